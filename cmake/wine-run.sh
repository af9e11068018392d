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
log=$(mktemp)
wine "$@" >"$log" 2>&1 </dev/null
rc=$?
cat "$log"
rm -f "$log"
exit $rc
