#!/usr/bin/env bash
# Runs the benchmarks against an existing Linux build; builds nothing.
# Usage: bench/run.sh [BUILD_DIR]   (default: build/linux of this repository)
# Each section prints its bench= lines and a summary; add further sections
# at the end of the file.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build/linux}
ruby=${RUBY:-ruby}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The value of field NAME in a "key=value key=value" line.
field() { tr ' ' '\n' <<<"$2" | sed -n "s/^$1=//p"; }

need() {
    [[ -x $1 ]] || { echo "run.sh: $1 not found: build the linux preset first" >&2; exit 1; }
}

# ---------------------------------------------------------------------------
# 1. Reading the strings file: the native reader against a plain-Ruby reader
#    of the same format, and against reading the same bytes into memory, on
#    the same generated 10,000-record file.
# ---------------------------------------------------------------------------
need "$build/bench/kvr_bench_strings"
file=$work/kvr.strings
out=$("$build/bench/kvr_bench_strings" --file "$file")
native=$(grep '^bench=cpp_read_strings' <<<"$out")
bytes=$(grep '^bench=read_bytes' <<<"$out")
plain=$("$ruby" "$here/strings_bench.rb" "$file" | grep '^bench=')
echo "$native"
echo "$bytes"
echo "$plain"
if [[ $(field digest "$native") != $(field digest "$plain") ]]; then
    echo "run.sh: the two readers built different tables" >&2
    exit 1
fi
awk -v n="$(field median_ms "$native")" -v r="$(field median_ms "$plain")" \
    -v b="$(field median_ms "$bytes")" -v e="$(field entries "$native")" 'BEGIN {
    printf "read_strings: entries=%s native_ms=%s ruby_ms=%s bytes_ms=%s ruby_over_native=%.1f native_over_bytes=%.1f\n",
           e, n, r, b, r / n, n / b
}'

# ---------------------------------------------------------------------------
# 2. Looking texts up: GetString through the loaded module against the plain
#    Ruby equivalent, Hash#fetch(key, key).dup, on the same translations, for
#    tables of 100, 1,000 and 10,000 records.
# ---------------------------------------------------------------------------
need "$build/kvr_gui.so"
for records in 100 1000 10000; do
    sized=$work/strings-$records/kvr.strings
    mkdir -p "$(dirname "$sized")"
    "$build/bench/kvr_bench_strings" --file "$sized" --records "$records" --runs 1 >/dev/null
    "$ruby" "$here/get_string_bench.rb" "$build/kvr_gui.so" "$sized"
done

# ---------------------------------------------------------------------------
# 3. Showing a dialog, under Wine with the Win32 build: from the KVRGUI call
#    until the dialog is idle and painted, against a plain
#    DialogBoxIndirectParamW of the same template, per dialog. Needs the win64
#    build (KVR_WIN64_BUILD overrides build/win64) and the cross-built Ruby.
# ---------------------------------------------------------------------------
win64=${KVR_WIN64_BUILD:-$here/../build/win64}
if [[ -f $win64/kvr_gui.so ]]; then
    (
        # shellcheck source=scripts/wine-env.sh
        source "$here/../scripts/wine-env.sh"
        wine_prefix_init
        xvfb_start
        wine_ruby "$(to_wine_path "$here/dialog_bench.rb")" "$(to_wine_path "$win64/kvr_gui.so")"
    )
else
    echo "dialog: skipped, no $win64/kvr_gui.so (cmake --preset win64 && cmake --build --preset win64)"
fi
