#!/usr/bin/env bash
# Sets up, builds and starts the studio.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTMB_BUILD_TESTS=OFF -DTMB_BUILD_BENCH=OFF
exec "$root/build/tamberi" "$@"
