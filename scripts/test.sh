#!/usr/bin/env bash
# Builds every lane and runs every test: unit tests (also under AddressSanitizer
# and UndefinedBehaviorSanitizer), the Ruby suite on Linux (headless window
# system), the robustness lane (the Ruby suite under the sanitizers and under
# GC stress, the strings reader and the dialogs against their models), the
# same Ruby suite under Wine (Win32 window system, fewer dialog sequences), the
# contract of the product DLL, and the product itself in Ruby 1.8.7 under
# 32-bit Wine. Installs what it needs first. A lane that exits with 77 could
# not run on this machine (it says why) and is counted as skipped.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh || exit 1
bash scripts/build-ruby-win64.sh >/dev/null || exit 1

passed=0
failed=0
skipped=0
failures=()
# Each lane's output is kept as well as shown, so that the end of a failed
# lane's output can be shown again after the summary: a log read from its end
# (as CI's is) then starts with why it failed.
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
lane() {
  local name=$1 status started=$SECONDS
  shift
  echo "=== lane: $name"
  "$@" 2>&1 | tee "$logs/$((passed + failed + skipped))"
  status=${PIPESTATUS[0]}
  echo "=== ($((SECONDS - started)) s)"
  case $status in
    0) passed=$((passed + 1)) ;;
    77) skipped=$((skipped + 1)) ;;
    *)
      echo "$name" >"$logs/$((passed + failed + skipped)).name"
      failed=$((failed + 1))
      failures+=("$name")
      ;;
  esac
}

build() {
  cmake --preset "$1" >/dev/null && cmake --build --preset "$1"
}

unit_tests() {
  build "$1" && ctest --test-dir "build/$1" --output-on-failure
}

lane "unit tests" unit_tests linux
lane "unit tests, sanitizers" unit_tests linux-asan
lane "ruby suite, linux" bash scripts/run-ruby-tests.sh linux
lane "robustness: sanitizers, GC stress, strings model, dialog models" bash scripts/robustness.sh
lane "ruby suite, wine" bash -c 'cmake --preset win64 >/dev/null && cmake --build --preset win64 && KVR_DIALOG_SEQUENCES=150 bash scripts/run-ruby-tests.sh win64'
lane "framework tests, wine" bash -c 'cmake --preset win64 >/dev/null && cmake --build --preset win64 && bash tests/framework/run-wine.sh build/win64'
lane "translators' tools: checker, preview under wine" bash tests/translators/run.sh
lane "product contract" bash tests/product/run.sh build/win32
lane "product in ruby 1.8, 32-bit wine" bash tests/product18/run.sh build/win32

for name_file in "$logs"/*.name; do
  [[ -e $name_file ]] || continue
  echo
  echo "=== the last 80 lines of the failed lane: $(cat "$name_file")"
  tail -n 80 "${name_file%.name}"
done

echo
echo "lanes that failed: ${failures[*]:-none}"
summary="$passed passed, $failed failed"
((skipped)) && summary+=", $skipped skipped"
echo "$summary"
[[ $failed -eq 0 ]]
