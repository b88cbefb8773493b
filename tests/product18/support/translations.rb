# The texts a pass expects: an English key stands for itself, or for its
# translation in the strings file the module was loaded with. This reads
# the well-formed records of a file such as the sample French one (one
# "key" = "text"; a line), independently of the module's own reader.
class Translations
  def initialize(path = nil)
    @table = {}
    return unless path
    File.open(path, 'rb') { |f| f.read }.each_line do |line|
      @table[$1] ||= $2 if line =~ /\A\s*"([^"]*)"\s*=\s*"([^"]*)"\s*;/
    end
  end

  def [](key)
    @table.fetch(key, key)
  end

  def empty?
    @table.empty?
  end
end
