require_relative "show_editor"
require_relative "show_options"

# Shows every dialog of the module the way a user meets it, acting through the
# test driver (KVRGUITest, compiled into the demo's build) and printing what
# each dialog shows. With SORVANE_SCREENSHOTS set to a folder (Win32 window
# system only), each dialog is also saved there as a PNG.
module DemoDialogs
  # Each dialog: the KVRGUI call, the controls worth reading, and the button
  # the demo's user presses last.
  DIALOGS = [
    { name: "error", call: [:KVRGUIShowError, "Sorvane could not solve the dimensions."],
      controls: { 2068 => "message", 1 => "button" }, close: 1 },
    { name: "error-with-link", call: [:KVRGUIShowErrorWithHlink, "Sorvane could not solve the dimensions."],
      controls: { 2064 => "message", 2066 => "sentence", 2065 => "link", 1 => "button" },
      link: 2065, close: 1 },
    { name: "about", call: [:KVRGUIShowAbout],
      controls: { 2011 => "product", 2007 => "version line", 2046 => "build line",
                  2048 => "home link", 2090 => "help link", 2047 => "copyright", 2050 => "button" },
      link: 2090, close: 2050 }
  ].freeze

  def self.show_all(lang, shots: ENV["SORVANE_SCREENSHOTS"])
    DIALOGS.each do |dialog|
      KVRGUITest.on_dialog do |d|
        puts "  [#{d.class_name}] \"#{d.caption}\""
        dialog[:controls].each { |id, role| puts "    #{role.ljust(12)} #{d.text(id).inspect}" }
        d.screenshot(File.join(shots, "#{dialog[:name]}-#{lang}.png")) if shots
        if dialog[:link]
          d.click(dialog[:link])
          puts "    clicking the link opens #{KVRGUITest.shell_opens.last}"
        end
        d.click(dialog[:close])
      end
      method, *args = dialog[:call]
      result = KVRGUI.new.public_send(method, *args)
      puts "    -> #{method} returned #{result.inspect}"
    end
    DemoEditor.show(lang, shots)
    DemoOptions.show(lang, shots: shots)
  end
end
