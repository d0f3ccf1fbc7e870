#!/usr/bin/env bash
# Sets up, builds and runs every test twice: a normal build, then a build with
# AddressSanitizer and UndefinedBehaviorSanitizer in which any report fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

# Line tables are all the debug information a failing test's backtrace needs; full
# debug information took a third of the compile time.
echo "== normal build"
"$root/scripts/build.sh" "$root/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTMB_WERROR=ON \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
ctest --test-dir "$root/build-test" --output-on-failure -j "$jobs"

echo "== sanitizer build"
"$root/scripts/build.sh" "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DTMB_WERROR=ON \
  -DTMB_SANITIZE=ON -DTMB_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1"
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs"

echo "== all tests passed in both builds"
