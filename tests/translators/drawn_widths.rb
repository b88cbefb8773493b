# The preview's widths against the text as drawn: in each screenshot the
# preview wrote, the ink of every one-line text (the columns whose pixels
# differ from the control's background) must be as wide as the width the
# preview reports, within 2 px, or, for a text reported as not fitting, be
# cut at the room the control has.
#   ruby drawn_widths.rb PREVIEW_DIR...
require "json"
require "zlib"

# The pixels of the preview's PNGs: 8-bit RGB, unfiltered rows.
class Picture
  attr_reader :width, :height

  def initialize(path)
    bytes = File.binread(path)
    raise "#{path}: not a PNG" unless bytes.start_with?("\x89PNG\r\n\x1a\n".b)

    pos = 8
    data = +""
    while pos < bytes.size
      length, type = bytes.unpack("@#{pos}Na4")
      chunk = bytes.byteslice(pos + 8, length)
      @width, @height, depth, color = chunk.unpack("NNCC") if type == "IHDR"
      data << chunk if type == "IDAT"
      pos += length + 12
    end
    raise "#{path}: not 8-bit RGB" unless depth == 8 && color == 2

    raw = Zlib::Inflate.inflate(data)
    stride = @width * 3 + 1
    @rows = Array.new(@height) do |y|
      raise "#{path}: filtered row" unless raw.getbyte(y * stride).zero?

      raw.byteslice(y * stride + 1, @width * 3)
    end
  end

  def rgb(x, y) = @rows[y].byteslice(x * 3, 3).bytes

  # The first and last column in the box that hold a pixel far from the
  # box's most common colour, or nil when the box is blank. A column inked
  # from the top of the box to its bottom is a line of the control's frame,
  # not text.
  def ink_columns(left, top, right, bottom)
    pixels = (top...bottom).flat_map { |y| (left...right).map { |x| [x, rgb(x, y)] } }
    background = pixels.map(&:last).tally.max_by(&:last).first
    inked = pixels.select { |_, c| c.zip(background).sum { |a, b| (a - b).abs } > 150 }.map(&:first)
    text = inked.tally.reject { |_, rows| rows == bottom - top }.keys
    text.empty? ? nil : text.minmax
  end
end

failures = []
checked = Hash.new(0)
ARGV.each do |dir|
  Dir[File.join(dir, "measures-*.json")].sort.each do |measures|
    JSON.parse(File.read(measures)).each do |dialog, m|
      picture = Picture.new(File.join(dir, m["png"]))
      m["fits"].each do |f|
        next unless f["measure"] == "width" && f["box"] && !f["focused"]

        left, top, right, bottom = f["box"]
        # A push button's text may cover its edges; the rows of its frame
        # are left out. A check box's text starts a little before the room
        # measured for it, never on the check mark.
        left, top, right, bottom = [left - 2, top + 3, right + 2, bottom - 3] if f["kind"] == "push button"
        left -= 2 if %w[check\ box radio\ button].include?(f["kind"])
        columns = picture.ink_columns(left, top, [right, picture.width].min, [bottom, picture.height].min)
        name = "#{File.basename(measures)} #{dialog} #{f["id"]} #{f["class"]} #{f["text"].inspect}"
        next failures << "#{name}: nothing drawn" unless columns

        drawn = columns[1] - columns[0] + 1
        checked[f["kind"]] += 1
        if f["needed"] <= f["available"]
          failures << "#{name}: #{drawn} px drawn, #{f["needed"]} px reported" if (drawn - f["needed"]).abs > 2
        elsif drawn > f["available"] + 2 || drawn < f["available"] - 8
          failures << "#{name}: reported cut at #{f["available"]} px, #{drawn} px drawn"
        end
        puts format("%-60s drawn %3d reported %3d available %3d", name[0, 60], drawn, f["needed"], f["available"]) if ENV["KVR_VERBOSE"]
      end
    end
  end
end
["static", "check box", "radio button", "push button"].each { |k| failures << "only #{checked[k]} #{k}es measured" if checked[k] < 2 }
abort(failures.join("\n")) unless failures.empty?
puts "drawn widths: #{checked.map { |c, n| "#{n} #{c}" }.join(", ")} within 2 px of the reported widths"
