# The sample plug-in: the Ruby side the module talks to. It defines the two
# constants the About box reads and translates its own messages through the
# module.
TAVRO_SORVANE_VERSION = "1.3".freeze
TAVRO_SORVANE_BUILD = 1729

module KVR
  def self.tr(text)
    @lang ||= KVRGUI_LangHandler.new
    @lang.GetString(text)
  end
end
