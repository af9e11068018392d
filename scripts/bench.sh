#!/usr/bin/env bash
# Builds the Windows benchmark of the process wait's poll and runs it once under Wine.
#   scripts/bench.sh [build-dir]    (default: the win32 preset's build/win32)
# Where this kernel cannot run 32-bit Wine, the same benchmark is built and run from the win64
# preset instead (build-dir with "-win64" appended), and the script says so.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/win32}

cmake --preset win32 -B "$build" >/dev/null
cmake --build "$build" --target poll_bench

source scripts/wine-env.sh
wine_env_start >/dev/null
trap wine_env_stop EXIT
if [ -n "${WINE_ENV_BIN:-}" ]; then
  echo "32-bit Wine cannot run on this kernel: measuring the 64-bit build of the same sources."
  build="$build-win64"
  cmake --preset win64 -B "$build" >/dev/null
  cmake --build "$build" --target poll_bench
fi
cmake/wine-run.sh "$build/bench/poll_bench.exe"
