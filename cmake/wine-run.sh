#!/usr/bin/env bash
# Runs one Windows executable under Wine for CTest. scripts/wine-env.sh prepares the prefix, the
# persistent wineserver and the display; without them this falls back to a private prefix of its
# own. Output goes through a file so that no Wine process keeps CTest's pipe open.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ -z "${WINEPREFIX:-}" ]; then
  # shellcheck source=../scripts/wine-env.sh
  source "$here/../scripts/wine-env.sh"
  wine_env_start >/dev/null
  trap wine_env_stop EXIT
fi
# Where only the 64-bit loader runs, a 32-bit program fails with an obscure message: say why.
pe_machine() {
  local header
  header=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$header" ] && od -An -tx2 -j$((header + 4)) -N2 "$1" 2>/dev/null | tr -d ' '
}
if [ -n "${WINE_ENV_BIN:-}" ] && [ "$(pe_machine "$1")" = 014c ]; then
  echo "wine-run.sh: $1 is a 32-bit program; this kernel cannot run 32-bit Wine (use the win64 build)" >&2
  exit 1
fi
log=$(mktemp)
wine "$@" >"$log" 2>&1 </dev/null
rc=$?
cat "$log"
rm -f "$log"
exit $rc
