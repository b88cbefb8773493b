# A stand-in for the host's Ruby interface, as far as the module uses it. It
# logs every call, and a test can make it refuse, answer oddly or raise.
# Settings come from the environment too, so that a child interpreter starts
# with the same host.
module Sketchup
  class HostFailure < StandardError; end

  class Edge; end

  class << self
    attr_accessor :resource_dir, :raise_in, :raise_with
    attr_reader :valid_answer, :path_answer

    # The answers the host gives instead of its own (nil included).
    def valid_answer=(value)
      @valid_answer_set = true
      @valid_answer = value
    end

    def path_answer=(value)
      @path_answer_set = true
      @path_answer = value
    end

    def calls
      @calls ||= []
    end

    def get_resource_path(name)
      calls << [:get_resource_path, name]
      fail_in(:get_resource_path)
      return path_answer if @path_answer_set
      File.join(resource_dir, name)
    end

    def is_valid_filename?(path)
      calls << [:is_valid_filename?, path]
      fail_in(:is_valid_filename?)
      return valid_answer if @valid_answer_set
      path.is_a?(String) && File.file?(path)
    end

    # Raises HostFailure, or evaluates raise_with (Ruby source: "exit", "raise
    # Interrupt", "throw :tag"), in the method named by raise_in.
    def fail_in(method)
      return unless raise_in == method.to_s
      raise HostFailure, "#{method} failed" unless raise_with
      eval(raise_with)
    end

    def configure_from(env)
      self.resource_dir = env.fetch("KVR_HOST_RESOURCE_DIR", Dir.pwd)
      self.raise_in = env["KVR_HOST_RAISES_IN"]
      self.raise_with = env["KVR_HOST_RAISE_WITH"]
      self.valid_answer = eval(env["KVR_HOST_VALID_ANSWER"]) if env["KVR_HOST_VALID_ANSWER"]
      self.path_answer = eval(env["KVR_HOST_PATH_ANSWER"]) if env["KVR_HOST_PATH_ANSWER"]
    end
  end
end
