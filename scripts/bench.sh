#!/usr/bin/env bash
# Builds the Windows benchmark of the process wait's poll and runs it once under Wine.
#   scripts/bench.sh [build-dir]    (default: the preset's own, build/win32)
# Where this kernel cannot run 32-bit Wine, the same benchmark is built and run from the win64
# preset instead (default build/win64), and the script says so.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=win32

source scripts/wine-env.sh
if ! wine_env_runs_32bit; then
  echo "32-bit Wine cannot run on this kernel: measuring the 64-bit build of the same sources."
  preset=win64
fi
build=${1:-build/$preset}
cmake --preset "$preset" -B "$build" >/dev/null
cmake --build "$build" --target poll_bench

wine_env_start >/dev/null
trap wine_env_stop EXIT
cmake/wine-run.sh "$build/bench/poll_bench.exe"
