# Every dialog of the module as the person at the screen meets it: one entry
# a run. An entry names the call, the lines of the driver's script, what the
# dialog shows when it opens and after each line, what the call returns, the
# plug-in calls it makes and the links it opens. Texts are given by their
# English key through t, so one table serves every language.
#
# A state lists only what it checks: :caption, :texts (id => text), :checked
# (the ids of every check box and radio button that is checked), :disabled
# (every disabled control), :hidden (every invisible control), :focus,
# :selection (id => [start, end]); :closed when the line closed the dialog.
# :result is what the call returns, or :raises the exception it raises as
# [class name, message]; :log the plug-in's calls, :urls the links opened
# (none unless given). Entries marked :everywhere also run in French and
# under GC stress.
require 'resource_ids'

module DialogCases
  include ResourceIds

  SITE = 'http://sorvane.example'
  CAMPAIGN = 'utm_source=help&utm_medium=software&utm_campaign=SketchUp12'
  # A message the sample strings file translates, and one it does not, with
  # text beyond ASCII.
  KNOWN_MESSAGE = 'Sorvane could not solve the dimensions.'
  OWN_MESSAGE = "L\303\251gende \302\253 A \302\273 : 3 cotes en conflit"
  DEGREE = "\302\260"
  ODD_MESSAGE = "File \"C:\\Models\\roof.skp\"\nnot saved\t(read-only)"

  # The ways a person closes a message dialog besides the one its entry that
  # runs everywhere takes, each a run that checks what it showed on opening.
  ENTER = ['Enter', 'key enter']
  ESC = ['Esc', 'key esc']
  CLOSE_BOX = ['the close box', 'close']

  def self.closings(label, call, open, ways)
    ways.map do |way, line|
      { :name => "#{label}, closed with #{way}", :call => call, :script => [line],
        :states => [open, :closed] }
    end
  end

  def self.message_dialogs(t)
    error = lambda { |gui| gui.KVRGUIShowError(KNOWN_MESSAGE) }
    error_open = { :caption => t['Sorvane Error'], :focus => IDOK, :disabled => [],
                   :texts => { IDC_ERROR_MESSAGE => t[KNOWN_MESSAGE], IDOK => t['OK'] } }
    hlink = lambda { |gui| gui.KVRGUIShowErrorWithHlink(OWN_MESSAGE) }
    hlink_open = { :caption => t['Sorvane Error'], :focus => IDOK,
                   :texts => { IDC_ERROR_HLINK_MESSAGE => t[OWN_MESSAGE],
                               IDC_ERROR_HLINK_SENTENCE => t['If you think it is a bug, please submit it to'],
                               IDC_ERROR_HLINK_LINK => t['www.sorvane.example/Forum'], IDOK => t['OK'] } }
    about = lambda { |gui| gui.KVRGUIShowAbout }
    about_open = { :caption => t['About Sorvane'], :focus => IDC_ABOUT_OK,
                   :texts => { IDC_ABOUT_PRODUCT_NAME => t['Sorvane'],
                               IDC_ABOUT_VERSION => "#{t['version']} 1.3.7",
                               IDC_ABOUT_BUILD => "#{t['build']} 1729",
                               IDC_ABOUT_HOME_LINK => t['www.sorvane.example'],
                               IDC_ABOUT_HELP_LINK => t['Help Page'], IDC_ABOUT_OK => t['OK'],
                               IDC_ABOUT_COPYRIGHT => t["Copyright \302\251 2012 Tavro. All rights reserved."] } }
    [{ :name => 'error box, closed with OK', :everywhere => true, :call => error,
       :script => ["click #{IDOK}"], :states => [error_open, :closed] },
     { :name => 'error box: quotes, backslashes and a line break in the message',
       :call => lambda { |gui| gui.KVRGUIShowError(ODD_MESSAGE) }, :script => ['key esc'],
       :states => [{ :texts => { IDC_ERROR_MESSAGE => ODD_MESSAGE } }, :closed] },
     { :name => 'error box with link: the link, then OK', :everywhere => true, :call => hlink,
       :script => ["click #{IDC_ERROR_HLINK_LINK}", 'urls 1', "click #{IDOK}"],
       :states => [hlink_open, hlink_open, hlink_open, :closed],
       :urls => ["#{SITE}/forum/"] },
     { :name => 'About box: both links, then Enter', :everywhere => true, :call => about,
       :script => ["click #{IDC_ABOUT_HOME_LINK}", "click #{IDC_ABOUT_HELP_LINK}", 'urls 2', 'key enter'],
       :states => [about_open, about_open, about_open, about_open, :closed],
       :urls => ["#{SITE}/?#{CAMPAIGN}", "#{SITE}/SketchUp/help.php?#{CAMPAIGN}"] }] +
      closings('error box', error, error_open, [ENTER, ESC, CLOSE_BOX]) +
      closings('error box with link', hlink, hlink_open, [ENTER, ESC, CLOSE_BOX]) +
      closings('About box', about, about_open, [['its OK button', "click #{IDC_ABOUT_OK}"], ESC, CLOSE_BOX])
  end

  # An editor run on a pre-constraint of the type, whose currentValue answers
  # from values; the dimension is named 'Ridge offset' unless :dimension says.
  def self.editor(name, constraint_type, values, script, states, extra = {})
    dimension = extra[:dimension] || 'Ridge offset'
    { :name => name, :script => script, :states => states,
      :call => lambda do |gui|
        gui.KVRGUIShowConstraint([KVR::KVRPreConstraint.new(constraint_type, values), dimension])
      end,
      :log => ['edge.common_face', "constraint.currentValue(#{constraint_type})"] }.merge(extra)
  end

  def self.editor_dialogs(t)
    name, value, label = IDC_EDITOR_NAME, IDC_EDITOR_VALUE, IDC_EDITOR_VALUE_LABEL
    distance_box, angle_box = IDC_EDITOR_DISTANCE, IDC_EDITOR_ANGLE
    cote = "C\303\264t\303\251 A"
    # A distance between two edges of one face, switched to its angle.
    distance = { :caption => t['Edge Edge distance'], :checked => [distance_box], :disabled => [],
                 :focus => value, :selection => { value => [0, 4] },
                 :texts => { name => t['Ridge offset'], value => '12.5', label => t['Distance:'],
                             IDC_EDITOR_NAME_CAPTION => t['Dimension name:'],
                             IDC_EDITOR_TYPE_CAPTION => t['Dimension type:'],
                             distance_box => t['Distance'], angle_box => t['Angle'],
                             IDOK => t['OK'], IDCANCEL => t['Cancel'] } }
    angle = { :caption => t['Edge Edge planar angle'], :checked => [angle_box], :focus => value,
              :selection => { value => [0, 5] },
              :texts => { name => t['Ridge offset'], value => "45.0#{DEGREE}", label => t['Angle:'] } }
    # A length, which has no angle: the choice is disabled.
    length = { :caption => t['Edge length'], :checked => [], :disabled => [distance_box, angle_box],
               :focus => value, :selection => { value => [0, 3] },
               :texts => { name => 'Width', value => '100', label => t['Length:'] } }
    [editor('editor: a distance switched to an angle, then OK', 51, { 51 => 12.5, 54 => Math::PI / 4 },
            ["click #{angle_box}", "click #{IDOK}"], [distance, angle, :closed],
            :everywhere => true, :result => ["45.0#{DEGREE}", t['Ridge offset'], 54],
            :log => ['edge.common_face', 'constraint.currentValue(51)', 'constraint.currentValue(54)',
                     'KVR.roundAngleRAD2DEG']),
     editor('editor: the plug-in fails while switching to an angle', 51,
            { 51 => 12.5, 54 => KVR::PluginFailure.new('no angle here') },
            ["click #{angle_box}"], [distance, :closed], :everywhere => true,
            :raises => ['KVR::PluginFailure', 'no angle here'],
            :log => ['edge.common_face', 'constraint.currentValue(51)', 'constraint.currentValue(54)']),
     editor('editor: typed value and name, confirmed with Enter', 21, { 21 => 100 },
            ['type 42.5', 'key shift+tab', "type #{cote}", 'key enter'],
            [length, length.merge(:texts => { value => '42.5' }, :selection => { value => [4, 4] }),
             { :focus => name, :selection => { name => [0, 5] }, :texts => { value => '42.5' } },
             { :focus => name, :texts => { name => cote, value => '42.5' } }, :closed],
            :everywhere => true, :dimension => 'Width', :result => ['42.5', cote, 21],
            :log => ['edge.common_face', 'constraint.currentValue(21)']),
     editor('editor: a typed value dropped with Esc', 21, { 21 => 100 }, ['type 7', 'key esc'],
            [length, { :texts => { value => '7' }, :selection => { value => [1, 1] } }, :closed],
            :dimension => 'Width'),
     editor('editor: closed with Cancel', 21, { 21 => 100 }, ["click #{IDCANCEL}"], [length, :closed],
            :dimension => 'Width'),
     editor('editor: closed with the close box', 21, { 21 => 100 }, ['close'], [length, :closed],
            :dimension => 'Width')]
  end

  OPENING_CALLS = %w(plugin.kvrSkpData data.options options.autoRecalculateConstraintsValues
                     options.autoRecalculateModel options.inferredConstraints
                     options.inferredConstraintsRectangle options.inferredConstraintsPushPull
                     options.fullText options.fixationForFaceBySorvaneTool
                     options.fixationForVertexBySorvaneTool options.immediatelySolve)

  # The options dialog's check boxes and radio buttons by name.
  MARKS = { :rectangle => IDC_OPTIONS_RECTANGLE, :push_pull => IDC_OPTIONS_PUSH_PULL,
            :inferred => IDC_OPTIONS_INFERRED, :full_text => IDC_OPTIONS_FULL_TEXT,
            :solve => IDC_OPTIONS_IMMEDIATELY_SOLVE, :do_nothing => IDC_OPTIONS_DO_NOTHING,
            :update_values => IDC_OPTIONS_UPDATE_VALUES, :update_geometry => IDC_OPTIONS_UPDATE_GEOMETRY }

  # A state in which exactly the named marks are checked.
  def self.marked(*names)
    { :checked => names.map { |n| MARKS.fetch(n) } }
  end

  def self.click(*names)
    names.map { |n| "click #{MARKS[n] || n}" }
  end

  def self.written(*pairs)
    pairs.map { |option, value| "options.#{option}EXT=(#{value})" }
  end

  def self.options_dialogs(t)
    texts = { IDC_OPTIONS_INFERRED => t['Generate inferred dimensions'], IDC_OPTIONS_RECTANGLE => t['Rectangle'],
              IDC_OPTIONS_PUSH_PULL => t['Push/Pull'], IDC_OPTIONS_FULL_TEXT => t['Show full Sorvane names'],
              IDC_OPTIONS_IMMEDIATELY_SOLVE => t['Update geometry after editing Sorvane'],
              IDC_OPTIONS_RESTORE_DEFAULTS => t['Restore Defaults'], IDC_OPTIONS_DO_NOTHING => t['Do nothing'],
              IDC_OPTIONS_UPDATE_VALUES => t['Update Sorvane values'],
              IDC_OPTIONS_UPDATE_GEOMETRY => t['Update geometry to satisfy Sorvane'], IDC_OPTIONS_OK => t['OK'],
              IDC_OPTIONS_INFERRED_HEADING => t['Inferred dimensions:'],
              IDC_OPTIONS_UPDATE_MODE_HEADING => t['Update mode:'],
              IDC_OPTIONS_AFTER_EDITING_HEADING => t['After Geometry Editing:'] }
    open = marked(:push_pull, :inferred, :solve, :update_values).merge(
      :caption => t['Sorvane Options'], :texts => texts, :focus => IDC_OPTIONS_OK, :disabled => [],
      :hidden => [IDC_OPTIONS_VERTEX_FIXATION, IDC_OPTIONS_FACE_FIXATION])
    values = { 'inferredConstraints' => true, 'inferredConstraintsPushPull' => true,
               'immediatelySolve' => true, 'autoRecalculateConstraintsValues' => true }
    defaults = { 'inferredConstraints' => true, 'inferredConstraintsRectangle' => true,
                 'fullText' => true, 'autoRecalculateModel' => true }
    [{ :name => 'options: every kind of click, Restore Defaults, then OK', :everywhere => true,
       :call => lambda { |gui| gui.KVRGUIShowOptions(KVR::Plugin.new(values, defaults)) },
       :script => click(:rectangle, :push_pull, :inferred, :update_geometry, :full_text,
                        IDC_OPTIONS_RESTORE_DEFAULTS, IDC_OPTIONS_OK),
       :states => [open,
                   marked(:rectangle, :push_pull, :inferred, :solve, :update_values),
                   marked(:rectangle, :inferred, :solve, :update_values),
                   marked(:solve, :update_values),
                   marked(:solve, :update_geometry),
                   marked(:full_text, :solve, :update_geometry),
                   marked(:rectangle, :inferred, :full_text, :update_geometry).merge(
                     :texts => texts, :focus => IDC_OPTIONS_RESTORE_DEFAULTS),
                   :closed],
       :log => OPENING_CALLS +
               written(%w(inferredConstraintsRectangle true), %w(inferredConstraints true),
                       %w(inferredConstraintsPushPull false),
                       %w(inferredConstraints false), %w(inferredConstraintsPushPull false),
                       %w(inferredConstraintsRectangle false),
                       %w(autoRecalculateModel true), %w(autoRecalculateConstraintsValues false),
                       %w(fullText true)) +
               ['plugin.applyLabelsTextStyle', 'options.setDefaultSettings'] +
               OPENING_CALLS.drop(4) + OPENING_CALLS[2, 2] },
     { :name => 'options: the plug-in fails on a click', :everywhere => true,
       :call => lambda { |gui| gui.KVRGUIShowOptions(KVR::Plugin.new({}, {}, 'fullTextEXT=')) },
       :script => click(:full_text), :states => [open.merge(marked(:do_nothing)), :closed],
       :raises => ['KVR::PluginFailure', 'fullText cannot be written'],
       :log => OPENING_CALLS + written(%w(fullText true)) },
     { :name => 'options: the keyboard, then Esc', :everywhere => true,
       :call => lambda { |gui| gui.KVRGUIShowOptions(KVR::Plugin.new('autoRecalculateModel' => true)) },
       :script => ['key tab', 'key space', 'key tab', 'key tab', 'key tab', 'key space', 'key esc'],
       :states => [open.merge(marked(:update_geometry)),
                   marked(:update_geometry).merge(:focus => IDC_OPTIONS_RECTANGLE),
                   marked(:rectangle, :inferred, :update_geometry).merge(:focus => IDC_OPTIONS_RECTANGLE),
                   { :focus => IDC_OPTIONS_PUSH_PULL }, { :focus => IDC_OPTIONS_INFERRED },
                   { :focus => IDC_OPTIONS_FULL_TEXT },
                   marked(:rectangle, :inferred, :full_text, :update_geometry).merge(:focus => IDC_OPTIONS_FULL_TEXT),
                   :closed],
       :log => OPENING_CALLS + written(%w(inferredConstraintsRectangle true), %w(inferredConstraints true),
                                       %w(fullText true)) + ['plugin.applyLabelsTextStyle'] }]
  end

  def self.all(t)
    message_dialogs(t) + editor_dialogs(t) + options_dialogs(t)
  end
end
