# Where the module under test is: KVR_GUI_SO, or the Linux build.
module ModulePath
  def self.so
    ENV["KVR_GUI_SO"] || File.expand_path("../../../build/linux/kvr_gui.so", __dir__)
  end
end
