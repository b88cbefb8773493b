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
module DialogCases
  OK = 1
  CANCEL = 2
  # Error boxes
  ERROR_MESSAGE = 2068
  HLINK_MESSAGE = 2064
  HLINK_LINK = 2065
  HLINK_SENTENCE = 2066
  # About box
  VERSION = 2007
  PRODUCT = 2011
  BUILD = 2046
  COPYRIGHT = 2047
  HOME_LINK = 2048
  ABOUT_OK = 2050
  HELP_LINK = 2090
  # Dimension editor
  NAME = 2082
  VALUE = 2083
  VALUE_LABEL = 2084
  NAME_CAPTION = 2085
  DISTANCE = 2087
  ANGLE = 2088
  TYPE_CAPTION = 2092
  # Options dialog
  RECTANGLE = 2000
  PUSH_PULL = 2001
  INFERRED = 2023
  FULL_TEXT = 2025
  VERTEX_FIX = 2026
  FACE_FIX = 2039
  RESTORE = 2051
  SOLVE = 2057
  DO_NOTHING = 2058
  UPDATE_VALUES = 2059
  UPDATE_GEOMETRY = 2060
  OPTIONS_OK = 2091

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
      { :name => "#{label}, closed with #{way}", :call => call, :script => [line], :states => [open, :closed] }
    end
  end

  def self.message_dialogs(t)
    error = lambda { |gui| gui.KVRGUIShowError(KNOWN_MESSAGE) }
    error_open = { :caption => t['Sorvane Error'], :focus => OK, :disabled => [],
                   :texts => { ERROR_MESSAGE => t[KNOWN_MESSAGE], OK => t['OK'] } }
    hlink = lambda { |gui| gui.KVRGUIShowErrorWithHlink(OWN_MESSAGE) }
    hlink_open = { :caption => t['Sorvane Error'], :focus => OK,
                   :texts => { HLINK_MESSAGE => t[OWN_MESSAGE], HLINK_SENTENCE => t['If you think it is a bug, please submit it to'],
                               HLINK_LINK => t['www.sorvane.example/Forum'], OK => t['OK'] } }
    about = lambda { |gui| gui.KVRGUIShowAbout }
    about_open = { :caption => t['About Sorvane'], :focus => ABOUT_OK,
                   :texts => { PRODUCT => t['Sorvane'], VERSION => "#{t['version']} 1.3.7",
                               BUILD => "#{t['build']} 1729", HOME_LINK => t['www.sorvane.example'],
                               HELP_LINK => t['Help Page'], ABOUT_OK => t['OK'],
                               COPYRIGHT => t["Copyright \302\251 2012 Tavro. All rights reserved."] } }
    [{ :name => 'error box, closed with OK', :everywhere => true, :call => error,
       :script => ["click #{OK}"], :states => [error_open, :closed] },
     { :name => 'error box: quotes, backslashes and a line break in the message',
       :call => lambda { |gui| gui.KVRGUIShowError(ODD_MESSAGE) },
       :script => ['key esc'], :states => [{ :texts => { ERROR_MESSAGE => ODD_MESSAGE } }, :closed] },
     { :name => 'error box with link: the link, then OK', :everywhere => true, :call => hlink,
       :script => ["click #{HLINK_LINK}", 'urls 1', "click #{OK}"],
       :states => [hlink_open, hlink_open, hlink_open, :closed],
       :urls => ["#{SITE}/forum/"] },
     { :name => 'About box: both links, then Enter', :everywhere => true, :call => about,
       :script => ["click #{HOME_LINK}", "click #{HELP_LINK}", 'urls 2', 'key enter'],
       :states => [about_open, about_open, about_open, about_open, :closed],
       :urls => ["#{SITE}/?#{CAMPAIGN}", "#{SITE}/SketchUp/help.php?#{CAMPAIGN}"] }] +
      closings('error box', error, error_open, [ENTER, ESC, CLOSE_BOX]) +
      closings('error box with link', hlink, hlink_open, [ENTER, ESC, CLOSE_BOX]) +
      closings('About box', about, about_open, [['its OK button', "click #{ABOUT_OK}"], ESC, CLOSE_BOX])
  end

  def self.editor(t, name, constraint_type, values, script, states, extra = {})
    { :name => name,
      :call => lambda do |gui|
        gui.KVRGUIShowConstraint([KVR::KVRPreConstraint.new(constraint_type, values), extra[:dimension] || 'Ridge offset'])
      end,
      :script => script, :states => states,
      :log => ['edge.common_face', "constraint.currentValue(#{constraint_type})"] }.merge(extra)
  end

  def self.editor_dialogs(t)
    # A distance between two edges of one face, switched to its angle.
    distance = { :caption => t['Edge Edge distance'], :checked => [DISTANCE], :disabled => [],
                 :focus => VALUE, :selection => { VALUE => [0, 4] },
                 :texts => { NAME => t['Ridge offset'], VALUE => '12.5', VALUE_LABEL => t['Distance:'],
                             NAME_CAPTION => t['Dimension name:'], TYPE_CAPTION => t['Dimension type:'],
                             DISTANCE => t['Distance'], ANGLE => t['Angle'], OK => t['OK'], CANCEL => t['Cancel'] } }
    angle = { :caption => t['Edge Edge planar angle'], :checked => [ANGLE], :focus => VALUE,
              :selection => { VALUE => [0, 5] },
              :texts => { NAME => t['Ridge offset'], VALUE => "45.0#{DEGREE}", VALUE_LABEL => t['Angle:'] } }
    # A length, which has no angle: the choice is disabled.
    length = { :caption => t['Edge length'], :checked => [], :disabled => [DISTANCE, ANGLE], :focus => VALUE,
               :selection => { VALUE => [0, 3] }, :texts => { NAME => 'Width', VALUE => '100', VALUE_LABEL => t['Length:'] } }
    [editor(t, 'editor: a distance switched to an angle, then OK', 51, { 51 => 12.5, 54 => Math::PI / 4 },
            ["click #{ANGLE}", "click #{OK}"], [distance, angle, :closed],
            :everywhere => true, :result => ["45.0#{DEGREE}", t['Ridge offset'], 54],
            :log => ['edge.common_face', 'constraint.currentValue(51)', 'constraint.currentValue(54)',
                     'KVR.roundAngleRAD2DEG']),
     editor(t, 'editor: the plug-in fails while switching to an angle', 51,
            { 51 => 12.5, 54 => KVR::PluginFailure.new('no angle here') },
            ["click #{ANGLE}"], [distance, :closed], :everywhere => true,
            :raises => ['KVR::PluginFailure', 'no angle here'],
            :log => ['edge.common_face', 'constraint.currentValue(51)', 'constraint.currentValue(54)']),
     editor(t, 'editor: typed value and name, confirmed with Enter', 21, { 21 => 100 },
            ['type 42.5', 'key shift+tab', "type C\303\264t\303\251 A", 'key enter'],
            [length, length.merge(:texts => { VALUE => '42.5' }, :selection => { VALUE => [4, 4] }),
             { :focus => NAME, :selection => { NAME => [0, 5] }, :texts => { VALUE => '42.5' } },
             { :focus => NAME, :texts => { NAME => "C\303\264t\303\251 A", VALUE => '42.5' } }, :closed],
            :everywhere => true, :dimension => 'Width', :result => ['42.5', "C\303\264t\303\251 A", 21],
            :log => ['edge.common_face', 'constraint.currentValue(21)']),
     editor(t, 'editor: a typed value dropped with Esc', 21, { 21 => 100 }, ['type 7', 'key esc'],
            [length, { :texts => { VALUE => '7' }, :selection => { VALUE => [1, 1] } }, :closed], :dimension => 'Width', :result => nil),
     editor(t, 'editor: closed with Cancel', 21, { 21 => 100 }, ["click #{CANCEL}"], [length, :closed],
            :dimension => 'Width', :result => nil),
     editor(t, 'editor: closed with the close box', 21, { 21 => 100 }, ['close'], [length, :closed],
            :dimension => 'Width', :result => nil)]
  end

  OPENING_CALLS = %w(plugin.kvrSkpData data.options options.autoRecalculateConstraintsValues
                     options.autoRecalculateModel options.inferredConstraints
                     options.inferredConstraintsRectangle options.inferredConstraintsPushPull
                     options.fullText options.fixationForFaceBySorvaneTool
                     options.fixationForVertexBySorvaneTool options.immediatelySolve)

  def self.options_dialogs(t)
    texts = { INFERRED => t['Generate inferred dimensions'], RECTANGLE => t['Rectangle'],
              PUSH_PULL => t['Push/Pull'], FULL_TEXT => t['Show full Sorvane names'],
              SOLVE => t['Update geometry after editing Sorvane'], RESTORE => t['Restore Defaults'],
              DO_NOTHING => t['Do nothing'], UPDATE_VALUES => t['Update Sorvane values'],
              UPDATE_GEOMETRY => t['Update geometry to satisfy Sorvane'], OPTIONS_OK => t['OK'],
              2093 => t['Inferred dimensions:'], 2094 => t['Update mode:'],
              2095 => t['After Geometry Editing:'] }
    open = { :caption => t['Sorvane Options'], :texts => texts, :focus => OPTIONS_OK, :disabled => [],
             :hidden => [VERTEX_FIX, FACE_FIX], :checked => [PUSH_PULL, INFERRED, SOLVE, UPDATE_VALUES] }
    defaults = { 'inferredConstraints' => true, 'inferredConstraintsRectangle' => true,
                 'fullText' => true, 'autoRecalculateModel' => true }
    [{ :name => 'options: every kind of click, Restore Defaults, then OK', :everywhere => true,
       :call => lambda do |gui|
         gui.KVRGUIShowOptions(KVR::Plugin.new({ 'inferredConstraints' => true, 'inferredConstraintsPushPull' => true,
                                                  'immediatelySolve' => true, 'autoRecalculateConstraintsValues' => true },
                                                defaults))
       end,
       :script => ["click #{RECTANGLE}", "click #{PUSH_PULL}", "click #{INFERRED}", "click #{UPDATE_GEOMETRY}",
                   "click #{FULL_TEXT}", "click #{RESTORE}", "click #{OPTIONS_OK}"],
       :states => [open,
                   { :checked => [RECTANGLE, PUSH_PULL, INFERRED, SOLVE, UPDATE_VALUES] },
                   { :checked => [RECTANGLE, INFERRED, SOLVE, UPDATE_VALUES] },
                   { :checked => [SOLVE, UPDATE_VALUES] },
                   { :checked => [SOLVE, UPDATE_GEOMETRY] },
                   { :checked => [FULL_TEXT, SOLVE, UPDATE_GEOMETRY] },
                   { :checked => [RECTANGLE, INFERRED, FULL_TEXT, UPDATE_GEOMETRY], :texts => texts, :focus => RESTORE },
                   :closed],
       :log => OPENING_CALLS + ['options.inferredConstraintsRectangleEXT=(true)', 'options.inferredConstraintsEXT=(true)',
                                'options.inferredConstraintsPushPullEXT=(false)',
                                'options.inferredConstraintsEXT=(false)', 'options.inferredConstraintsPushPullEXT=(false)',
                                'options.inferredConstraintsRectangleEXT=(false)',
                                'options.autoRecalculateModelEXT=(true)', 'options.autoRecalculateConstraintsValuesEXT=(false)',
                                'options.fullTextEXT=(true)', 'plugin.applyLabelsTextStyle', 'options.setDefaultSettings'] +
               OPENING_CALLS.drop(4) + OPENING_CALLS[2, 2] },
     { :name => 'options: the plug-in fails on a click', :everywhere => true,
       :call => lambda { |gui| gui.KVRGUIShowOptions(KVR::Plugin.new({}, {}, 'fullTextEXT=')) },
       :script => ["click #{FULL_TEXT}"], :states => [open.merge(:checked => [DO_NOTHING]), :closed],
       :raises => ['KVR::PluginFailure', 'fullText cannot be written'],
       :log => OPENING_CALLS + ['options.fullTextEXT=(true)'] },
     { :name => 'options: the keyboard, then Esc', :everywhere => true,
       :call => lambda { |gui| gui.KVRGUIShowOptions(KVR::Plugin.new('autoRecalculateModel' => true)) },
       :script => ['key tab', 'key space', 'key tab', 'key tab', 'key tab', 'key space', 'key esc'],
       :states => [open.merge(:checked => [UPDATE_GEOMETRY]),
                   { :focus => RECTANGLE, :checked => [UPDATE_GEOMETRY] },
                   { :focus => RECTANGLE, :checked => [RECTANGLE, INFERRED, UPDATE_GEOMETRY] },
                   { :focus => PUSH_PULL }, { :focus => INFERRED }, { :focus => FULL_TEXT },
                   { :focus => FULL_TEXT, :checked => [RECTANGLE, INFERRED, FULL_TEXT, UPDATE_GEOMETRY] },
                   :closed],
       :log => OPENING_CALLS + ['options.inferredConstraintsRectangleEXT=(true)', 'options.inferredConstraintsEXT=(true)',
                                'options.fullTextEXT=(true)', 'plugin.applyLabelsTextStyle'] }]
  end

  def self.all(t)
    message_dialogs(t) + editor_dialogs(t) + options_dialogs(t)
  end
end
