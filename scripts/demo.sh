#!/usr/bin/env bash
# One update run of the installer, as a user of Brindova would see it, under Wine.
# Builds Maj.exe and its helpers, lays out demo/out/Brindova/ (Pellix.exe, Maj.exe, a manifest
# of three entries with their staged files in Update\, and a Telvarra.exe that is running for
# a few seconds), shows the folder and the manifest before and after the run, and saves a
# screenshot of the banner to docs/screenshot.png.
# With a display of your own (DISPLAY set) you press OK on each message yourself; without one
# the run happens on a private Xvfb display and dialog_presser presses OK and reports.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/setup.sh

# --- build -------------------------------------------------------------------------------
# The product is the 32-bit build. Where this kernel cannot execute 32-bit programs (no IA-32
# emulation, so 32-bit Wine cannot start), the demo runs the 64-bit build of the same sources.
# shellcheck source=wine-env.sh
source scripts/wine-env.sh
preset=win32
if ! wine_env_runs_32bit; then
  echo "This kernel cannot execute 32-bit programs: the demo runs the 64-bit build instead."
  preset=win64
fi
build=build/$preset
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target Maj pellix_standin dialog_presser
maj_exe=$root/$build/shell/Maj.exe
standin_exe=$root/$build/tests/e2e/pellix_standin.exe
presser_exe=$root/$build/tests/e2e/dialog_presser.exe

# --- the product folder --------------------------------------------------------------------
out=demo/out/Brindova
rm -rf demo/out
mkdir -p "$out/Update" "$out/Modules" "$out/Help"
cp "$maj_exe" "$out/Maj.exe"
cp "$standin_exe" "$out/Pellix.exe"
cp "$standin_exe" "$out/Telvarra.exe"
printf 'report.dll, version 1.0\r\n' >"$out/Modules/report.dll"
printf 'report.dll, version 1.1\r\n' >"$out/Update/report.dll"
printf 'Brindova help, edition 2\r\n' >"$out/Update/Brindova.chm"
printf 'Telvarra.exe, version 2.0\r\n' >"$out/Update/Telvarra.exe"

win_out="Z:$(printf '%s' "$root/$out" | tr '/' '\\')"
{
  printf '[Main]\r\nNbFilesToInstal=3\r\n'
  printf '[File_1]\r\nName=Telvarra.exe\r\nDestination=%s\r\n' "$win_out"
  printf '[File_2]\r\nName=Brindova.chm\r\nDestination=%s\\Help\\\r\n' "$win_out"
  printf '[File_3]\r\nName=report.dll\r\nDestination=%s\\Modules\r\n' "$win_out"
  printf '[Notes]\r\nSource=Brindova update search\r\nChecked=2024-05-02\r\n'
} >"$out/Maj.ini"

show_folder() {
  echo "== $1: $out/"
  (cd "$out" && find . -mindepth 1 | sort | while read -r f; do
    f=${f#./}
    if [ -d "$f" ]; then
      echo "  $f/"
    elif [ "$(head -c 2 "$f")" = MZ ]; then
      echo "  $f  ($(stat -c %s "$f") bytes, a program)"
    elif [ "$f" != Maj.ini ]; then
      echo "  $f  \"$(tr -d '\r\n' <"$f")\""
    else
      echo "  $f"
    fi
  done)
  echo "== $1: Maj.ini"
  tr -d '\r' <"$out/Maj.ini" | sed 's/^/  /'
}
show_folder "before"

# --- the run -------------------------------------------------------------------------------
mode=--press
[ -n "${DISPLAY:-}" ] && mode=--watch
wine_env_start visible
trap wine_env_stop EXIT
if [ "$mode" = --watch ]; then
  echo "The installer opens on your display: press OK on each message it shows."
fi

log=$(mktemp)
shot=$(mktemp --suffix=.png)
(cd "$out" && wine Telvarra.exe 4000 >/dev/null 2>&1) &
telvarra=$!
(cd "$out" && wine Maj.exe >/dev/null 2>&1) &
installer=$!
wine "$presser_exe" "$mode" >"$log" 2>&1 </dev/null &
presser=$!

# The screenshot: while the banner waits for Telvarra.exe, with no message over it.
banner=
for _ in $(seq 1 300); do
  banner=$(grep -a '^Banner at ' "$log" | head -n 1 | tr -d '\r' || true)
  [ -n "$banner" ] && break
  kill -0 "$presser" 2>/dev/null || break
  sleep 0.1
done
if [ -n "$banner" ]; then
  read -r _ _ x y w h <<<"$banner"
  import -window root "$shot"
  margin=12
  mkdir -p docs
  convert "$shot" -crop "$((w + 2 * margin))x$((h + 2 * margin))+$((x - margin))+$((y - margin))" \
    +repage docs/screenshot.png
fi

status=0
wait "$installer" || status=$?
wait "$presser" || true
wait "$telvarra" || true
echo "== the installer's messages and status texts"
iconv -f CP1252 -t UTF-8 <"$log" | tr -d '\r' | sed 's/^/  /'
echo "== Maj.exe ended with exit code $status"
if [ -n "$banner" ]; then
  echo "== screenshot of the banner: docs/screenshot.png"
else
  echo "== no screenshot: the banner never waited for Telvarra.exe (it had already ended)"
fi
rm -f "$log" "$shot"

show_folder "after"
