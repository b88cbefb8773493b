# Where the lane's pieces are: the product DLL, the outside driver, a scratch
# folder. The environment can name each; otherwise they are found from the
# repository's own layout (build/win32, build/product18).
module Paths
  ROOT = File.expand_path('../../..', File.dirname(__FILE__))

  def self.module_dir
    ENV['KVR_GUI_DIR'] || File.join(ROOT, 'build', 'win32')
  end

  def self.driver_exe
    ENV['KVR_DRIVER_EXE'] || File.join(ROOT, 'build', 'product18', 'kvr_driver.exe')
  end

  def self.scratch
    @scratch ||= begin
      dir = ENV['KVR_SCRATCH'] || File.join(ENV['TEMP'] || ENV['TMP'] || '.', "kvr18-#{Process.pid}")
      Dir.mkdir(dir) unless File.directory?(dir)
      dir
    end
  end

  def self.scratch_file(name)
    File.join(scratch, name)
  end

  # A path as a Windows program's command line takes it.
  def self.windows(path)
    path.tr('/', '\\')
  end

  def self.french_strings
    File.join(ROOT, 'demo', 'plugin', 'kvr.strings')
  end
end
