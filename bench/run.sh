#!/usr/bin/env bash
# Runs the benchmarks against existing builds; builds nothing.
# Usage: bench/run.sh [BUILD_DIR]   (default: build/linux of this repository)
#   KVR_WIN64_BUILD   the win64 build for the dialog section (default build/win64)
#   KVR_BENCH_ROUNDS  rounds per dialog (default 21)
# Each section prints its raw lines; the run ends with one summary table of
# every figure, this build's value and its goal (Markdown, for the README).
# Ratios compare two things measured side by side in this run, so they hold on
# a busy machine better than the times do; figures still move 10-30 % between
# runs.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build/linux}
ruby=${RUBY:-ruby}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The value of field NAME in a "key=value key=value" line.
field() { tr ' ' '\n' <<<"$2" | sed -n "s/^$1=//p"; }
# A ratio of two numbers, to the given decimals.
ratio() { awk -v a="$1" -v b="$2" -v d="${3:-2}" 'BEGIN { printf "%.*f", d, a / b }'; }
# Thousands separated by commas.
commas() { sed ':a;s/\B[0-9]\{3\}\>/,&/;ta' <<<"$1"; }
# Whether a ratio meets a goal: "ok" or "MISSED".
meets() { awk -v v="$1" -v op="$2" -v g="$3" 'BEGIN {
    ok = (op == "<=") ? v <= g : v >= g; print ok ? "ok" : "MISSED" }'; }

need() {
    [[ -x $1 ]] || { echo "run.sh: $1 not found: build the linux preset first" >&2; exit 1; }
}
need "$build/bench/kvr_bench_strings"
need "$build/bench/kvr_bench_lookup"
need "$build/kvr_gui.so"

summary=()
row() { summary+=("| $1 | $2 | $3 |"); }
# "ok" when both ratios are at most 1.0.
verdict() { [[ $(meets "$1" "<=" 1.0) == ok && $(meets "$2" "<=" 1.0) == ok ]] && echo ok || echo MISSED; }

# ---------------------------------------------------------------------------
# 1. Reading the strings file: the native reader against a plain-Ruby reader
#    of the same format, and against reading the same bytes into memory, on
#    the same generated 10,000-record file; and the tables' memory.
# ---------------------------------------------------------------------------
file=$work/kvr.strings
out=$("$build/bench/kvr_bench_strings" --file "$file")
native=$(grep '^bench=cpp_read_strings' <<<"$out")
bytes=$(grep '^bench=read_bytes' <<<"$out")
tables=$(grep '^bench=tables' <<<"$out")
plain=$("$ruby" "$here/strings_bench.rb" "$file" | grep '^bench=')
printf '%s\n' "$native" "$bytes" "$tables" "$plain"
if [[ $(field digest "$native") != $(field digest "$plain") ]]; then
    echo "run.sh: the two readers built different tables" >&2
    exit 1
fi
over_bytes=$(ratio "$(field median_ms "$native")" "$(field median_ms "$bytes")" 1)
ruby_over=$(ratio "$(field median_ms "$plain")" "$(field median_ms "$native")" 0)
echo "read_strings: entries=$(field entries "$native") native_ms=$(field median_ms "$native")" \
    "ruby_ms=$(field median_ms "$plain") bytes_ms=$(field median_ms "$bytes")" \
    "native_over_bytes=$over_bytes ruby_over_native=$ruby_over"
row "read 10,000 records: native ÷ reading the file's bytes" \
    "${over_bytes}× ($(field median_ms "$native") ms ÷ $(field median_ms "$bytes") ms) $(meets "$over_bytes" "<=" 10)" "≤ 10×"
row "read 10,000 records: plain Ruby reader ÷ native" "${ruby_over}× $(meets "$ruby_over" ">=" 50)" "≥ 50×"

# ---------------------------------------------------------------------------
# 2. Looking texts up: GetString through the loaded module against the plain
#    Ruby equivalent, Hash#fetch(key, key).dup; GetWideString against a C++
#    std::unordered_map of the same pairs; for tables of 100, 1,000 and
#    10,000 records, hits and misses.
# ---------------------------------------------------------------------------
hash_memory=
for records in 100 1000 10000; do
    sized=$work/strings-$records/kvr.strings
    mkdir -p "$(dirname "$sized")"
    "$build/bench/kvr_bench_strings" --file "$sized" --records "$records" --runs 1 >/dev/null
    ruby_lines=$("$ruby" "$here/get_string_bench.rb" "$build/kvr_gui.so" "$sized")
    native_lines=$("$build/bench/kvr_bench_lookup" "$sized" | grep '^lookup:')
    printf '%s\n' "$ruby_lines" "$native_lines"
    [[ $records == 10000 ]] && hash_memory=$(grep '^memory:' <<<"$ruby_lines")
    for kind in hits misses; do
        gs=$(field native_over_hash "$(grep "get_string:.* $kind " <<<"$ruby_lines")")
        wide=$(field native_over_map "$(grep "lookup:.* $kind " <<<"$native_lines")")
        eval "gs_$kind=\$gs wide_$kind=\$wide"
    done
    n=$(commas "$records")
    row "GetString ÷ Hash#fetch(k, k).dup, $n entries, hits / misses" \
        "$gs_hits / $gs_misses $(verdict "$gs_hits" "$gs_misses")" "≤ 1.0"
    row "GetWideString ÷ std::unordered_map, $n entries, hits / misses" \
        "$wide_hits / $wide_misses $(verdict "$wide_hits" "$wide_misses")" "≤ 1.0"
done
held=$(field bytes "$tables")
hash_bytes=$(field hash_bytes "$hash_memory")
row "tables' bytes, 10,000 records, both tables (file $(commas "$(field file_bytes "$tables")") B; Ruby Hash $(commas "$hash_bytes") B)" \
    "$(commas "$held") B = $(ratio "$held" "$hash_bytes")× the Hash $(meets "$held" "<=" "$hash_bytes")" "≤ the Hash"
row "the same once every UTF-16 text is converted (as if all were shown)" \
    "$(commas "$(field converted_bytes "$tables")") B = $(ratio "$(field converted_bytes "$tables")" "$hash_bytes")× the Hash" "—"

# ---------------------------------------------------------------------------
# 3. Showing a dialog, under Wine with the Win32 build: from the KVRGUI call
#    until the dialog is idle and painted, against a plain
#    DialogBoxIndirectParamW of the same template, per dialog; both sides are
#    timed through the same Ruby call and test-driver block, so neither pays a
#    harness the other does not (bench/dialog_bench.rb). Needs the win64
#    build, the cross-built Ruby and the 64-bit Wine loader (wine-env.sh names
#    it by path: /usr/bin/wine may be the 32-bit one).
# ---------------------------------------------------------------------------
win64=${KVR_WIN64_BUILD:-$here/../build/win64}
dialogs=
skip=
# shellcheck source=scripts/wine-env.sh
source "$here/../scripts/wine-env.sh"
if [[ ! -f $win64/kvr_gui.so ]]; then
    skip="no $win64/kvr_gui.so (cmake --preset win64 && cmake --build --preset win64)"
elif [[ ! -f $KVR_RUBY_EXE ]]; then
    skip="no $KVR_RUBY_EXE (bash scripts/build-ruby-win64.sh)"
elif [[ ! -x $KVR_WINE ]]; then
    skip="no 64-bit Wine loader at $KVR_WINE (apt-get install wine64, or set KVR_WINE)"
fi
if [[ -n $skip ]]; then
    echo "dialog: skipped, $skip"
else
    dialogs=$(
        wine_prefix_init
        xvfb_start
        wine_ruby "$(to_wine_path "$here/dialog_bench.rb")" "$(to_wine_path "$win64/kvr_gui.so")" \
            "${KVR_BENCH_ROUNDS:-21}"
    ) || skip="the Wine run failed (status $?)"
    grep '^dialog:' <<<"$dialogs" || true
fi
if [[ -n $skip ]]; then
    row "each dialog ÷ a plain DialogBoxIndirectParamW of its template (Wine)" "not measured: $skip" "≤ 1.15×"
else
    while read -r line; do
        r=$(field kvrgui_over_plain "$line")
        plugin=$(field plugin_ms "$line")
        [[ $plugin == 0.000 ]] && plugin= || plugin="; the plug-in's code ${plugin} ms of it"
        row "$(awk '{print $2}' <<<"$line") ÷ plain dialog of template $(field template "$line") (Wine$plugin)" \
            "${r}× ($(field kvrgui_ms "$line") ms ÷ $(field plain_ms "$line") ms) $(meets "$r" "<=" 1.15)" "≤ 1.15×"
    done < <(grep '^dialog:' <<<"$dialogs")
fi

echo
echo "Summary ($(uname -m), $(nproc) cores; ratios of figures measured side by side in this run):"
echo
echo "| figure | this build | goal |"
echo "|---|---|---|"
printf '%s\n' "${summary[@]}"
