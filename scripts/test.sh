#!/usr/bin/env bash
# Builds every preset and runs every test: native (ASan, UBSan), then the Windows builds under Wine.
# The product is the 32-bit build (win32). Its tests run under Wine where this kernel can execute
# 32-bit programs; otherwise the same tests run from the 64-bit build (win64), and the 32-bit
# build is still made and checked to be a static PE32 executable.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

cmake --preset win32 >/dev/null
cmake --build --preset win32
scripts/check-pe.sh build/win32/shell/Maj.exe

source scripts/wine-env.sh
wine_env_start
trap wine_env_stop EXIT
# Window tests under Wine and Xvfb depend on another process's timing: a test that fails is run
# once more, and both results stay in the log. A fault that does not depend on timing fails
# both times.
wine_ctest() { ctest --preset "$1" --repeat until-pass:2; }
if wine_env_runs_32bit; then
  wine_ctest win32
else
  echo "This kernel cannot execute 32-bit programs (no IA-32 emulation): 32-bit Wine cannot start."
  echo "Running the Windows tests from the 64-bit build of the same sources instead."
  cmake --preset win64 >/dev/null
  cmake --build --preset win64
  wine_ctest win64
fi
