# Where the lane's pieces are: the product DLL, the outside driver, a scratch
# folder. The lane names the folders in the environment (KVR_LANE_BUILD,
# KVR_LANE_HELPERS); without it they are found where the lane builds them
# (build/win32, build/win32/product18).
module Paths
  ROOT = File.expand_path('../../..', File.dirname(__FILE__))

  def self.module_dir
    ENV['KVR_LANE_BUILD'] || File.join(ROOT, 'build', 'win32')
  end

  def self.driver_exe
    File.join(ENV['KVR_LANE_HELPERS'] || File.join(module_dir, 'product18'), 'kvr_driver.exe')
  end

  def self.scratch
    @scratch ||= begin
      # Inside the lane's own temporary folder, which the lane removes.
      parent = ENV['KVR_LANE_RESOURCES'] || ENV['TEMP'] || ENV['TMP'] || '.'
      dir = File.join(parent, "kvr18-#{Process.pid}")
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
