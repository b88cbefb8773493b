# The dimension editor in the demo: a distance between two edges of one face
# switched to an angle, renamed and confirmed; then a length, which has no
# angle to switch to. Prints what the editor shows and what Ruby gets back;
# with a screenshot folder, saves editor-distance, editor-angle and
# editor-fixed.
module DemoEditor
  IDS = { 2082 => "name", 2083 => "value", 2084 => "label", 2087 => "Distance", 2088 => "Angle" }.freeze

  def self.report(d, moment)
    puts "  [#{d.class_name}] \"#{d.caption}\" (#{moment})"
    IDS.each do |id, role|
      state = id >= 2087 ? " checked=#{d.checked?(id)} enabled=#{d.enabled?(id)}" : ""
      puts "    #{role.ljust(12)} #{d.text(id).inspect}#{state}"
    end
  end

  def self.show(lang, shots)
    roof = Object.new
    eave = Sketchup::Edge.new([0, 0, 0], [4000, 0, 0], [roof])
    ridge = Sketchup::Edge.new([500, 2500, 1200], [3500, 2500, 1400], [roof])
    KVRGUITest.on_dialog do |d|
      report(d, "opened")
      d.screenshot(File.join(shots, "editor-distance-#{lang}.png")) if shots
      d.click(2088)
      report(d, "after clicking Angle")
      d.screenshot(File.join(shots, "editor-angle-#{lang}.png")) if shots
      d.type(2082, "Ridge slope")
      puts "    typing the name \"Ridge slope\", then OK"
      d.click(1)
    end
    result = KVRGUI.new.KVRGUIShowConstraint([KVR::KVRPreConstraint.new(eave, ridge), "Ridge offset"])
    puts "    -> KVRGUIShowConstraint returned #{result.inspect}"

    KVRGUITest.on_dialog do |d|
      report(d, "opened")
      d.screenshot(File.join(shots, "editor-fixed-#{lang}.png")) if shots
      d.click(2)
    end
    result = KVRGUI.new.KVRGUIShowConstraint([KVR::KVRPreConstraint.new(eave, nil, 21), "Eave"])
    puts "    -> Cancel: KVRGUIShowConstraint returned #{result.inspect}"
  end
end
