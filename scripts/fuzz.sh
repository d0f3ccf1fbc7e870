#!/usr/bin/env bash
# Fuzzes every reader a user can hand a file to: fuzz.sh [seconds per reader] [reader...]
# Builds the readers with clang, libFuzzer and the address and undefined-behaviour
# sanitizers in build-fuzz/, writes a seed corpus with the project's own writers, then runs
# each reader's target for the given time (default 60 s). A crash, a sanitizer report, a
# leak, a hang of 10 s or a single allocation of more than 256 MB stops that reader and
# leaves its input under build-fuzz/findings/<reader>/; the script then fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
readers=("$@")
if ((${#readers[@]} == 0)); then
  readers=(bmp gif jpeg png picture avi wave style effect wdf store section list listinfo)
fi

"$root/scripts/setup.sh"
missing=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build="$root/build-fuzz"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DTMB_FUZZ=ON -DTMB_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target tmb_make_seeds "${readers[@]/#/fuzz_}"

"$build/tests/tmb_make_seeds" "$build/seeds"
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
failed=()
for reader in "${readers[@]}"; do
  corpus="$build/corpus/$reader"
  findings="$build/findings/$reader"
  mkdir -p "$corpus" "$findings"
  echo "== $reader: $seconds s"
  if ! "$build/tests/fuzz_$reader" -max_total_time="$seconds" -timeout=10 -malloc_limit_mb=256 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
      "$corpus" "$build/seeds/$reader" 2>"$build/$reader.log"; then
    failed+=("$reader")
    tail -40 "$build/$reader.log"
  else
    grep -E "stat::number_of_executed_units|cov:" "$build/$reader.log" | tail -2
  fi
done
if ((${#failed[@]})); then
  echo "== findings in: ${failed[*]} (see $build/findings/)"
  exit 1
fi
echo "== no reader failed"
