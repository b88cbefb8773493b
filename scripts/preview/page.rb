# The preview page: every dialog in English beside the translation, the texts
# that do not fit their controls (from the measures render.rb wrote), and
# what the module loses of the file (from kvr-strings check --json).
#   ruby page.rb OUT_DIR STRINGS_FILE CHECK_JSON
#       writes OUT_DIR/index.html and OUT_DIR/overflow.json; exit status 1
#       when a translated text does not fit
require "json"
require "cgi"

out_dir, strings, check_json = ARGV.fetch(0), ARGV.fetch(1), ARGV.fetch(2)
english = JSON.parse(File.read(File.join(out_dir, "measures-en.json")))
translated = JSON.parse(File.read(File.join(out_dir, "measures-tr.json")))
check = JSON.parse(File.read(check_json))
name = File.basename(strings)

# Where the file translates an English text: the line of the pair the module
# keeps for it.
lines = check.fetch("pairs").to_h { |p| [[p["keyHex"]].pack("H*").force_encoding("UTF-8"), p["line"]] }
english_text = lambda do |dialog, id|
  english.dig(dialog, "fits")&.find { |f| f["id"] == id }&.fetch("text")
end

overflows = lambda do |measures|
  measures.flat_map do |dialog, m|
    m["fits"].select { |f| f["needed"] > f["available"] }.map do |f|
      source = english_text.call(dialog, f["id"])
      f.merge("dialog" => dialog, "english" => source, "line" => lines[source])
    end
  end
end
# A text that does not fit in English either, unchanged by the translation
# (the separator line of underscores, drawn clipped on purpose), is the
# module's, not the translator's: listed, but no failure.
en_overflows = overflows.call(english)
untranslated = en_overflows.map { |o| [o["dialog"], o["id"], o["text"]] }
tr_overflows = overflows.call(translated).reject { |o| untranslated.include?([o["dialog"], o["id"], o["text"]]) }
# Lines that fit as drawn, but that the window system lays out (centres) by a
# wider measure than the room: in the pictures they touch the control's edge.
laid_out_wide = translated.flat_map do |dialog, m|
  m["fits"].select { |f| f["measure"] == "width" && f["needed"] <= f["available"] && f["laid_out"].to_i > f["available"] }
           .map { |f| f.merge("dialog" => dialog, "english" => english_text.call(dialog, f["id"])) }
end
losses = check.fetch("diagnostics").select { |d| d["losesText"] }

File.write(File.join(out_dir, "overflow.json"),
           JSON.pretty_generate("strings" => strings, "overflows" => tr_overflows,
                                "english_overflows" => en_overflows, "laid_out_wider" => laid_out_wide,
                                "losses" => losses))

h = ->(s) { CGI.escapeHTML(s.to_s) }
where = ->(o) { o["line"] ? "#{name}:#{o['line']}" : "not in #{name}" }
rows = lambda do |list|
  list.map do |o|
    "<tr><td>#{h[o['dialog']]}</td><td>#{o['id']} (#{h[o['kind'] || o['class']]})</td><td>#{h[o['english']]}</td>" \
      "<td>#{h[o['text']]}<br><small>#{h[where[o]]}</small></td>" \
      "<td>#{o['measure']}: #{o['needed']} px needed, #{o['available']} px available</td><td>#{h[o['font']]}</td></tr>"
  end.join("\n")
end
table = lambda do |list, empty|
  return "<p>#{empty}</p>" if list.empty?

  "<table><tr><th>dialog</th><th>control</th><th>English</th><th>translation</th><th>size</th><th>font</th></tr>\n" \
    "#{rows[list]}</table>"
end
loss_list = if losses.empty?
              "<p>The module reads every text of the file.</p>"
            else
              "<ul>\n" + losses.map { |d| "<li>#{h[name]}:#{d['line']}:#{d['column']}: #{h[d['kind']]}: #{h[d['message']]}</li>" }.join("\n") + "\n</ul>"
            end
laid_out_note = if laid_out_wide.empty?
                  ""
                else
                  "<h2>Drawn within the room, laid out wider (#{laid_out_wide.size})</h2>\n<p>These texts fit as drawn, " \
                    "but the window system centres them by a wider measure of the same font, so in the pictures " \
                    "they touch the control's left edge.</p>\n<ul>\n" +
                    laid_out_wide.map do |o|
                      "<li>#{h[o['dialog']]}, control #{o['id']}: #{h[o['text']]} (#{h[o['english']]}): " \
                        "#{o['needed']} px drawn, laid out as #{o['laid_out']} px, #{o['available']} px available</li>"
                    end.join("\n") + "\n</ul>"
                end
# The dialogs with a text that does not fit first.
order = english.keys.partition { |dialog| tr_overflows.any? { |o| o["dialog"] == dialog } }.flatten
pictures = order.map do |dialog|
  flagged = tr_overflows.select { |o| o["dialog"] == dialog }.map { |o| o["id"] }.uniq
  note = flagged.empty? ? "" : " <span class=bad>(does not fit: #{flagged.join(', ')})</span>"
  "<tr><td>#{h[dialog]}#{note}</td><td><img src=\"#{h[english[dialog]['png']]}\"></td>" \
    "<td><img src=\"#{h[translated.dig(dialog, 'png')]}\"></td></tr>"
end.join("\n")

File.write(File.join(out_dir, "index.html"), <<~HTML)
  <!DOCTYPE html>
  <html><head><meta charset="utf-8"><title>kvr.strings preview</title>
  <style>body{font-family:sans-serif} td,th{border:1px solid #ccc;padding:4px;vertical-align:top}
  table{border-collapse:collapse} .bad{color:#b00}</style></head><body>
  <h1>Preview of #{h[name]}</h1>
  <h2>Texts that do not fit (#{tr_overflows.size})</h2>
  #{table[tr_overflows, 'Every translated text fits its control.']}
  <h2>Texts the module loses (#{losses.size})</h2>
  #{loss_list}
  #{laid_out_note}
  <h2>Dialogs</h2>
  <table><tr><th>dialog</th><th>English</th><th>#{h[name]}</th></tr>
  #{pictures}
  </table>
  #{en_overflows.empty? ? '' : "<h2>English texts that do not fit (not counted)</h2>\n#{table[en_overflows, '']}"}
  </body></html>
HTML

tr_overflows.each do |o|
  warn "#{where[o]}: #{o['dialog']}, control #{o['id']} (#{o['kind']}), #{o['english'].inspect} as " \
       "#{o['text'].inspect}: #{o['measure']} #{o['needed']} px needed, #{o['available']} px available"
end
losses.each { |d| warn "#{name}:#{d['line']}:#{d['column']}: #{d['kind']}: #{d['message']}" }
puts "#{File.join(out_dir, 'index.html')}: #{tr_overflows.size} texts do not fit, #{losses.size} lost"
exit(tr_overflows.empty? ? 0 : 1)
