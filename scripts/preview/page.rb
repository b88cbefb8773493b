# The preview page: every dialog in English beside the translation, and the
# texts that do not fit their controls, from the measures render.rb wrote.
#   ruby page.rb OUT_DIR STRINGS_FILE   writes OUT_DIR/index.html and
#                                       OUT_DIR/overflow.json; exit status 1
#                                       when a translated text does not fit
require "json"
require "cgi"

out_dir, strings = ARGV.fetch(0), ARGV.fetch(1)
english = JSON.parse(File.read(File.join(out_dir, "measures-en.json")))
translated = JSON.parse(File.read(File.join(out_dir, "measures-tr.json")))

overflows = lambda do |measures|
  measures.flat_map do |dialog, m|
    m["fits"].select { |f| f["needed"] > f["available"] }.map { |f| f.merge("dialog" => dialog) }
  end
end
# A text that does not fit in English either, unchanged by the translation
# (the separator line of underscores, drawn clipped on purpose), is the
# module's, not the translator's: listed, but no failure.
en_overflows = overflows.call(english)
untranslated = en_overflows.map { |o| [o["dialog"], o["id"], o["text"]] }
tr_overflows = overflows.call(translated).reject { |o| untranslated.include?([o["dialog"], o["id"], o["text"]]) }

File.write(File.join(out_dir, "overflow.json"),
           JSON.pretty_generate("strings" => strings, "overflows" => tr_overflows,
                                "english_overflows" => en_overflows))

h = ->(s) { CGI.escapeHTML(s.to_s) }
rows = lambda do |list|
  list.map do |o|
    "<tr><td>#{h[o['dialog']]}</td><td>#{o['id']} (#{h[o['class']]})</td><td>#{h[o['text']]}</td>" \
      "<td>#{o['measure']}: #{o['needed']} px needed, #{o['available']} px available</td><td>#{h[o['font']]}</td></tr>"
  end.join("\n")
end
table = lambda do |list, empty|
  return "<p>#{empty}</p>" if list.empty?

  "<table><tr><th>dialog</th><th>control</th><th>text</th><th>size</th><th>font</th></tr>\n#{rows[list]}</table>"
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
  <h1>Preview of #{h[File.basename(strings)]}</h1>
  <h2>Texts that do not fit (#{tr_overflows.size})</h2>
  #{table[tr_overflows, 'Every translated text fits its control.']}
  <h2>Dialogs</h2>
  <table><tr><th>dialog</th><th>English</th><th>#{h[File.basename(strings)]}</th></tr>
  #{pictures}
  </table>
  #{en_overflows.empty? ? '' : "<h2>English texts that do not fit (not counted)</h2>\n#{table[en_overflows, '']}"}
  </body></html>
HTML

tr_overflows.each do |o|
  warn "#{o['dialog']}: control #{o['id']} #{o['text'].inspect}: #{o['measure']} #{o['needed']} px needed, " \
       "#{o['available']} px available"
end
puts "#{File.join(out_dir, 'index.html')}: #{tr_overflows.size} texts do not fit"
exit(tr_overflows.empty? ? 0 : 1)
