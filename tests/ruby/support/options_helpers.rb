require_relative "dialog_helpers"
require_relative "fake_options"
require_relative "resource_ids"

# Driving the options dialog with a fake plug-in: the calls a user's action
# makes and the check marks it leaves.
module OptionsHelpers
  include DialogHelpers
  include ResourceIds

  CHECK_BOXES = { inferred: IDC_OPTIONS_INFERRED, rectangle: IDC_OPTIONS_RECTANGLE,
                  push_pull: IDC_OPTIONS_PUSH_PULL, full_text: IDC_OPTIONS_FULL_TEXT,
                  vertex: IDC_OPTIONS_VERTEX_FIXATION, face: IDC_OPTIONS_FACE_FIXATION,
                  immediately: IDC_OPTIONS_IMMEDIATELY_SOLVE }.freeze
  RADIOS = [IDC_OPTIONS_DO_NOTHING, IDC_OPTIONS_UPDATE_VALUES, IDC_OPTIONS_UPDATE_GEOMETRY].freeze

  # The boxes that are checked, by name, and the radio button that is.
  def marks(dialog)
    checked = CHECK_BOXES.select { |_name, id| dialog.checked?(id) }.keys
    [checked, RADIOS.select { |id| dialog.checked?(id) }]
  end

  # Opens the dialog for the plug-in; the block gets the dialog once the
  # opening calls are taken from the log, and must close it. Returns what
  # the block returned, and asserts that the method returned nil.
  def with_options_dialog(plugin)
    result, seen = drive(:KVRGUIShowOptions, plugin) do |d|
      plugin.take_log
      yield d
    end
    assert_nil result
    seen
  end

  # Each click's calls and the marks after it; then OK.
  def clicks(plugin, *ids)
    with_options_dialog(plugin) do |d|
      steps = ids.map do |id|
        d.click(id)
        [plugin.take_log, marks(d)]
      end
      d.click(IDC_OPTIONS_OK)
      steps
    end
  end

  def write(option, value, role = :options)
    [:"#{option}EXT=", role, value]
  end
end
