require "minitest/autorun"
require "tmpdir"
require_relative "support/fake_sketchup"
require_relative "support/module_path"
require_relative "support/child_ruby"

# The interpreter of the suite itself loads the module without a strings
# file: every text is English here. Tests of translations run in children.
Sketchup.resource_dir = Dir.mktmpdir("kvr-no-strings")
require ModulePath.so
