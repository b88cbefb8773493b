#!/usr/bin/env bash
# Builds the product (the win32 preset) and checks it, together with the Ruby
# 1.8 header and the check itself. Every step runs even when an earlier one
# fails; the exit status is non-zero when any failed.
#
# Usage: tests/product/run.sh [BUILD_DIR]   (default: build/win32, the preset's)
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
here=$root/tests/product
build=${1:-$root/build/win32}
python=/usr/bin/python3  # Debian's, which has python3-pefile
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=()
step() {
    local name=$1
    shift
    echo "== $name"
    if "$@"; then
        echo "-- $name: ok"
    else
        echo "-- $name: FAILED"
        failures+=("$name")
    fi
}

header_on_host() {
    g++ -std=c++17 -Wall -Wextra -Werror -fsanitize=address,undefined -fno-sanitize-recover=all \
        -I "$root/src/ruby/ruby18" "$here/ruby18_header_test.cpp" -o "$scratch/header_test" &&
        "$scratch/header_test"
}

header_for_i686() {
    i686-w64-mingw32-g++-posix -std=c++17 -Wall -Wextra -Werror \
        -I "$root/src/ruby/ruby18" -c "$here/ruby18_header_test.cpp" -o "$scratch/header_test.o"
}

build_product() {
    cmake --preset win32 -S "$root" -B "$build" >/dev/null &&
        cmake --build "$build" -j2
}

step "ruby18.h on the build machine" header_on_host
step "ruby18.h for i686-w64-mingw32" header_for_i686
step "product check self-test" "$python" "$here/test_check_product.py"
step "build (win32 preset) in $build" build_product
step "product contract" "$python" "$here/check_product.py" "$build/kvr_gui.so"

if ((${#failures[@]})); then
    echo "product tests FAILED: ${failures[*]}"
    exit 1
fi
echo "product tests passed"
