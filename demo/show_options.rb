# The options dialog, clicked through as a user would: the master switch and
# its two sub-options, the three-way choice, full names, Restore Defaults. After
# each step the check marks and the calls the plug-in received are printed.
module DemoOptions
  BOXES = { 2023 => "inferred", 2000 => "rectangle", 2001 => "push/pull",
            2057 => "update at once", 2025 => "full names" }.freeze
  CHOICES = { 2058 => "do nothing", 2059 => "update values", 2060 => "update geometry" }.freeze
  STEPS = [
    ["opened", nil], ["master off", 2023], ["rectangle on: the master follows", 2000],
    ["push/pull on", 2001], ["rectangle off: push/pull keeps the master on", 2000],
    ["push/pull off: the master goes off", 2001], ["master on: both sub-options follow", 2023],
    ["update the geometry after editing", 2060], ["full names on", 2025],
    ["Restore Defaults", 2051]
  ].freeze

  def self.marks(d)
    boxes = BOXES.map { |id, name| "#{d.checked?(id) ? '[x]' : '[ ]'} #{name}" }
    choice = CHOICES.find { |id, _| d.checked?(id) }&.last
    "#{boxes.join('  ')}  (#{choice})"
  end

  def self.show(lang, shots: ENV["SORVANE_SCREENSHOTS"])
    KVRGUITest.on_dialog do |d|
      puts "  [#{d.class_name}] \"#{d.caption}\""
      (BOXES.keys + CHOICES.keys + [2093, 2094, 2095, 2051, 2091]).each do |id|
        puts "    #{id}  #{d.text(id).inspect}"
      end
      d.screenshot(File.join(shots, "options-#{lang}.png")) if shots
      STEPS.each do |label, id|
        d.click(id) if id
        puts "    #{label}:", "      #{marks(d)}", "      calls: #{KVR.option_calls.join(', ')}"
        KVR.option_calls.clear
      end
      d.click(2091)
    end
    result = KVRGUI.new.KVRGUIShowOptions(KVR::Plugin.new)
    puts "    -> KVRGUIShowOptions returned #{result.inspect}; calls on closing: #{KVR.option_calls.size}"
  end
end
