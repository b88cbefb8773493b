require "minitest/autorun"
require "tmpdir"
require_relative "support/fake_sketchup"
require_relative "support/module_path"
require_relative "support/child_ruby"
require_relative "support/gc_stress"

# The interpreter of the suite itself loads the module without a strings
# file: every text is English here. Tests of translations run in children.
Sketchup.resource_dir = Dir.mktmpdir("kvr-no-strings")
GCStress.enabled? ? GCStress.around { require ModulePath.so } : require(ModulePath.so)
GCStress.wrap_module_methods if GCStress.enabled?
