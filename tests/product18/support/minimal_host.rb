# The least of the host the module asks for at load time: where its strings
# file is and whether that path names a file. The lane's tests that need no
# translation point it at a folder without one, so the module runs in English.
module Sketchup
  def self.get_resource_path(name)
    File.join(ENV["KVR_LANE_RESOURCES"] || Dir.pwd, name)
  end

  def self.is_valid_filename?(path)
    File.file?(path)
  end
end
