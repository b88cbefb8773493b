# The three message dialogs as their documents describe them: the error box,
# the error box with the forum link, and the About box. OK has the focus;
# OK, Enter, Escape and the close box end the dialog and the method returns
# nil; a link opens its address and leaves the dialog as it is; the message
# box of the error dialogs shows what the argument's to_s answered.
class MessageModel
  # method, OK button, links, message control (nil: the About box)
  DIALOGS = {
    error: [:KVRGUIShowError, 1, [], 2068],
    hlink: [:KVRGUIShowErrorWithHlink, 1, [2065], 2064],
    about: [:KVRGUIShowAbout, 2050, [2048, 2090], nil]
  }.freeze

  attr_reader :method, :ended, :focus, :opens, :message_id

  def initialize(dialog, text)
    @method, @ok, @links, @message_id = DIALOGS.fetch(dialog)
    @text = text
    @ended = false
    @opens = 0
  end

  # The error dialogs call the message's to_s; the About box calls nothing
  # of the plug-in's.
  def open
    @focus = @ok
    message_id ? [[:to_s]] : []
  end

  def actions
    [[:click, @ok], [:close]] + @links.map { |id| [:click, id] } +
      %i[enter escape space tab shift_tab].map { |k| [:key, k] }
  end

  def apply(action)
    kind, arg = action
    if kind == :click && @links.include?(arg)
      @opens += 1 # a static link takes no focus
    elsif !%i[tab shift_tab].include?(arg) # OK is the only tab stop
      @ended = true
    end
    []
  end

  def shown
    [focus, opens, message_id && @text]
  end
end
