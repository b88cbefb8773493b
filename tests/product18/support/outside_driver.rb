require 'json_reader'
require 'paths'

# Runs the outside driver around one call into the module. The call blocks
# this interpreter in the dialog's modal loop, so the driver is started first,
# as a separate process (IO.popen returns at once), and acts on the dialog
# while the call runs; its report is read once the call has returned.
module OutsideDriver
  URL_LOG = Paths.scratch_file('urls.log')

  # The shell opens links with the driver, which notes each address in the
  # URL log: once per interpreter, in the prefix's registry.
  def self.register_url_recorder
    return if @registered
    ok = system(%Q("#{Paths.windows(Paths.driver_exe)}" --register-url-handler "#{Paths.windows(URL_LOG)}"))
    raise 'the driver could not register itself for http and https' unless ok
    @registered = true
  end

  # Runs the block (the call) while the driver performs the script's lines
  # on the dialog. Returns [what the block returned, the report, the
  # exception the block raised or nil]; the report is a Hash (see the
  # driver's session.h).
  def self.run(script)
    register_url_recorder
    File.open(URL_LOG, 'wb') {}
    script_file = Paths.scratch_file('script.txt')
    report_file = Paths.scratch_file('report.json')
    File.open(script_file, 'wb') { |f| f.write(script.join("\n") + "\n") }
    File.delete(report_file) if File.exist?(report_file)
    driver = IO.popen(%Q("#{Paths.windows(Paths.driver_exe)}" --pid #{Process.pid} ) +
                      %Q(--script "#{Paths.windows(script_file)}" --out "#{Paths.windows(report_file)}" ) +
                      %Q(--url-log "#{Paths.windows(URL_LOG)}" --timeout 8000))
    result = error = nil
    begin
      result = yield
    rescue StandardError => error
    end
    driver.read
    driver.close
    [result, JsonReader.parse(File.open(report_file, 'rb') { |f| f.read }), error]
  end
end
