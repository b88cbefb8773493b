require_relative "message_model"

# The message dialogs for the runner: a message object whose to_s the
# injector sees (the About box takes none), and what the user sees.
class MessageAdapter
  TEXTS = ["The face could not be moved.", "", "Ein Fehler: Fläche", "x" * 80].freeze

  class Message
    def initialize(text, calls, injector)
      @text = text
      @calls = calls
      @injector = injector
    end

    def to_s
      @calls << [:to_s]
      @injector.call_made
      @text
    end
  end

  class Calls < Array
    def take_calls
      shift(size)
    end
  end

  def initialize(dialog)
    @dialog = dialog
  end

  def name
    @dialog.to_s
  end

  def draw_initial(rng)
    TEXTS.sample(random: rng)
  end

  def model_for(text)
    MessageModel.new(@dialog, text)
  end

  def start(text, injector)
    calls = Calls.new
    model = model_for(text)
    arguments = model.message_id ? [Message.new(text, calls, injector)] : []
    @opens_before = KVRGUITest.shell_opens.size
    [calls, model, model.method, arguments]
  end

  def finish; end

  def ending?(action)
    !(action[0] == :click && MessageModel::DIALOGS[@dialog][2].include?(action[1])) &&
      !%i[tab shift_tab].include?(action[1])
  end

  def expected(model)
    model.shown
  end

  def observe(d)
    id = MessageModel::DIALOGS[@dialog][3]
    [d.focus, KVRGUITest.shell_opens.size - @opens_before, id && d.text(id)]
  end

  def result(_model)
    nil
  end
end
