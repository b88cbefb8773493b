#!/usr/bin/env bash
# Builds every lane and runs every test: unit tests (also under AddressSanitizer
# and UndefinedBehaviorSanitizer), the Ruby suite on Linux (headless window
# system), the robustness lane (the Ruby suite under the sanitizers and under
# GC stress, the strings reader and the dialogs against their models), the
# same Ruby suite under Wine (Win32 window system, fewer dialog sequences), and the contract of the product DLL. Installs
# what it needs first.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh || exit 1
bash scripts/build-ruby-win64.sh >/dev/null || exit 1

passed=0
failed=0
failures=()
lane() {
  local name=$1
  shift
  echo "=== lane: $name"
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    failures+=("$name")
  fi
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

echo
echo "lanes that failed: ${failures[*]:-none}"
echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
