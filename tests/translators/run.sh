#!/usr/bin/env bash
# The translators' tools end to end: the sample French file passes the
# checker; the preview renders every dialog in English and in a translation,
# and reports exactly the translated texts that do not fit, on their controls.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$root"
cmake --preset linux >/dev/null && cmake --build --preset linux --target kvr-strings >/dev/null
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

build/linux/kvr-strings check demo/plugin/kvr.strings

# expect_preview FILE DIR STATUS OVERFLOWS LOSSES: the exit status; the
# overflows as dialog:control@line (the line of the file that translates the
# control's English text), each needing more pixels than it has; and the
# lines of the texts the checker finds lost, listed on the page.
expect_preview() {
  local status=0
  bash scripts/preview.sh "$1" "$out/$2" >/dev/null 2>&1 || status=$?
  /usr/bin/ruby -rjson -e '
    dir, status, expected, lost = ARGV[0], Integer(ARGV[1]), ARGV[2].split, ARGV[5].split.map(&:to_i)
    shown = Dir.children(dir).grep(/\.png\z/).sort
    dialogs = %w[about editor-angle editor-distance editor-fixed error error-with-link options]
    want = dialogs.flat_map { |d| ["#{d}-en.png", "#{d}-tr.png"] }.sort
    abort "pictures: #{shown} instead of #{want}" unless shown == want
    report = JSON.parse(File.read(File.join(dir, "overflow.json")))
    overflows = report["overflows"]
    got = overflows.map { |o| "#{o["dialog"]}:#{o["id"]}@#{o["line"]}" }.sort
    abort "overflows: #{got} instead of #{expected.sort}" unless got == expected.sort
    bad = overflows.reject { |o| o["needed"] > o["available"] && o["available"] > 0 && o["english"] }
    abort "sizes or English texts: #{bad}" unless bad.empty?
    abort "losses: #{report["losses"]}" unless report["losses"].map { |d| d["line"] } == lost
    abort "exit status #{ARGV[3]} instead of #{status}" unless Integer(ARGV[3]) == status
    page = File.read(File.join(dir, "index.html"))
    abort "no page" unless page.include?("<img src=\"options-tr.png\">")
    abort "losses not on the page" unless lost.all? { |l| page.include?(":#{l}:") }
    puts "#{ARGV[4]}: #{got.empty? ? "every text fits" : got.join(", ")}"
  ' "$out/$2" "$3" "$4" "$status" "$1" "$5"
}

# The sample French file fits everywhere and loses nothing (README,
# translators).
expect_preview demo/plugin/kvr.strings fr 0 "" ""
expect_preview tests/translators/overlong.strings overlong 1 \
  "editor-angle:2@2 editor-distance:2@2 editor-fixed:2@2 about:2090@3" "5"
# The widths reported agree with the text drawn in the screenshots.
/usr/bin/ruby tests/translators/drawn_widths.rb "$out/fr" "$out/overlong"
