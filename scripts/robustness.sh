#!/usr/bin/env bash
# The robustness lane (about six minutes on two cores; bounded at ten):
#   1. the Ruby suite against the linux-asan build, the module instrumented
#      with AddressSanitizer and UndefinedBehaviorSanitizer;
#   2. the Ruby suite against the linux build with GC.stress on around every
#      native method (tests/ruby/support/gc_stress.rb);
#   3. the seeded model test of the strings reader on many more files, on the
#      sanitized build, from a seed that changes each run (printed, so that a failure can be re-run
#      with KVR_MODEL_SEED);
#   4. the dialogs against their models (tests/model/): a few thousand random
#      user sequences per dialog on the linux build, from the same printed
#      seed, each dialog bounded in seconds (30, or less when the steps before
#      took long, so that a slow machine runs fewer sequences instead of
#      running out of time).
# Builds both presets first. The wrong-arguments table runs in 1 and 2.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

for preset in linux linux-asan; do
  { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset"; } || exit 1
done

deadline=$((SECONDS + 600))
left() { echo $((deadline - SECONDS > 10 ? deadline - SECONDS : 10)); }
status=0
step() {
  local started=$SECONDS
  echo "--- $1"
  shift
  "$@" || status=1
  echo "--- ($((SECONDS - started)) s)"
}

# The interpreter is not instrumented: the sanitizer runtimes must be loaded
# before it, and the C++ runtime with them, or ASan's interceptor of the first
# C++ throw finds no real __cxa_throw to call. Children inherit the preload.
preload="$(gcc -print-file-name=libasan.so) $(gcc -print-file-name=libubsan.so)"
preload+=" $(g++ -print-file-name=libstdc++.so.6)"
sanitized=(env LD_PRELOAD="$preload" ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 KVR_BUILD_DIR=build/linux-asan)
step "ruby suite, AddressSanitizer + UBSan" "${sanitized[@]}" KVR_TEST_TIMEOUT="$(left)" \
  bash scripts/run-ruby-tests.sh linux

step "ruby suite, GC.stress around every module call" env KVR_GC_STRESS=1 \
  KVR_TEST_TIMEOUT="$(left)" bash scripts/run-ruby-tests.sh linux

seed=${KVR_MODEL_SEED:-$((RANDOM * 32768 + RANDOM))}
echo "strings model: KVR_MODEL_SEED=$seed KVR_MODEL_FILES=${KVR_MODEL_FILES:=60}"
step "strings reader against its model and kvr-strings, sanitized" "${sanitized[@]}" KVR_MODEL_SEED="$seed" KVR_MODEL_FILES="$KVR_MODEL_FILES" \
  KVR_TEST_TIMEOUT="$(left)" bash scripts/run-ruby-tests.sh linux -n "/StringsModelTest|StringsCheckerTest/"

# Five dialogs share what is left, less a margin for starting the suite.
per_dialog=$((($(left) - 40) / 5))
((per_dialog > 30)) && per_dialog=30
((per_dialog < 5)) && per_dialog=5
: "${KVR_DIALOG_SECONDS:=$per_dialog}"
echo "dialog models: KVR_MODEL_SEED=$seed KVR_DIALOG_SEQUENCES=${KVR_DIALOG_SEQUENCES:=3000} KVR_DIALOG_SECONDS=$KVR_DIALOG_SECONDS"
seed_file=$(mktemp)
before=$status
step "dialogs against their models" env KVR_MODEL_SEED="$seed" KVR_DIALOG_SEQUENCES="$KVR_DIALOG_SEQUENCES" \
  KVR_DIALOG_SECONDS="$KVR_DIALOG_SECONDS" KVR_DIALOG_SEED_FILE="$seed_file" KVR_TEST_TIMEOUT="$(left)" \
  bash scripts/run-ruby-tests.sh linux -n /DialogModelTest/
if ((status != before)) && [[ -s $seed_file ]]; then
  # A crash leaves no report of its own: name the sequence that was running.
  echo "the last sequence run: $(cat "$seed_file") bash scripts/run-ruby-tests.sh linux -n /DialogModel/"
fi
rm -f "$seed_file"

echo "robustness lane: $((SECONDS))s"
exit "$status"
