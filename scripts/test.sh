#!/usr/bin/env bash
# Builds both presets and runs every test: native (ASan, UBSan), then the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

cmake --preset win32 >/dev/null
cmake --build --preset win32
source scripts/wine-env.sh
wine_env_start
trap wine_env_stop EXIT
ctest --preset win32
