# The host's Ruby interface as far as the module needs it, for running the
# sample plug-in outside the modelling application: resources are found in
# the plug-in's folder.
module Sketchup
  RESOURCE_DIR = ENV.fetch("SORVANE_RESOURCE_DIR", __dir__)

  def self.get_resource_path(name)
    File.join(RESOURCE_DIR, name)
  end

  def self.is_valid_filename?(path)
    File.file?(path)
  end
end
