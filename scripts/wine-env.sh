# Sourced, not run: a private Wine prefix, one persistent wineserver and an X display for a suite.
#   wine_env_start [visible]   prepares them and exports WINEPREFIX, DISPLAY and the Wine settings
#   wine_env_stop              ends the server and the display, removes the prefix
# With "visible" and a DISPLAY already set, windows go to that display instead of a private Xvfb.

# The packaged "wine" script takes the 32-bit loader whenever it is installed, even where the
# kernel cannot execute it (no IA-32 emulation: dmesg says "32-bit emulation disabled"). There,
# "wine" and "wine-stable" (which wineboot calls) on PATH become the 64-bit loader, and
# WINE_ENV_BIN names the folder that holds them.
wine_env_pick_loader() {
  WINE_ENV_BIN=
  wine_env_runs_32bit && return 0
  /usr/lib/wine/wine64 --version >/dev/null 2>&1 || return 0
  export WINELOADER=/usr/lib/wine/wine64
  export WINE_ENV_BIN
  WINE_ENV_BIN=$(mktemp -d /tmp/korvane-winebin.XXXXXX)
  local name
  for name in wine wine-stable; do
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$WINE_ENV_BIN/$name"
    chmod +x "$WINE_ENV_BIN/$name"
  done
  WINE_ENV_SAVED_PATH=$PATH
  export PATH="$WINE_ENV_BIN:$PATH"
}

# True when the kernel itself executes the 32-bit loader. Through a user-mode emulator registered
# for i386 (qemu) it may start, but Wine then takes minutes to boot and fails: treated as no.
wine_env_runs_32bit() {
  ls /proc/sys/fs/binfmt_misc/ 2>/dev/null | grep -qi 'i386' && return 1
  /usr/lib/wine/wine --version >/dev/null 2>&1
}

wine_env_start() {
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  # A 64-bit prefix runs 64-bit programs, and 32-bit ones too where the kernel can execute them.
  export WINEARCH=win64
  wine_env_pick_loader
  WINE_ENV_PREFIX_OWNED=0
  if [ -z "${WINEPREFIX:-}" ]; then
    export WINEPREFIX
    WINEPREFIX=$(mktemp -d /tmp/korvane-wine.XXXXXX)
    WINE_ENV_PREFIX_OWNED=1
  fi
  WINE_ENV_XVFB_PID=
  if [ "${1:-}" != visible ] || [ -z "${DISPLAY:-}" ]; then
    local n
    for n in $(seq 90 140); do
      [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    WINE_ENV_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
  fi
  # The server outlives each test executable, so each one starts in well under a second.
  wineserver -p >/dev/null 2>&1 </dev/null
  wineboot -i >/dev/null 2>&1 </dev/null
  # Without a window manager, an unmanaged X window closes at once instead of after ~2 s.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
  # A crashing program gets a backtrace on its output and ends, instead of a crash dialog that
  # nobody closes (the test run would hang until its time-out).
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 </dev/null
  wineserver -w >/dev/null 2>&1 </dev/null &   # returns when idle; not waited for
  echo "Wine prefix $WINEPREFIX on display $DISPLAY"
}

wine_env_stop() {
  wineserver -k >/dev/null 2>&1 </dev/null || true
  if [ -n "${WINE_ENV_BIN:-}" ]; then
    rm -rf "$WINE_ENV_BIN"
    export PATH="$WINE_ENV_SAVED_PATH"
    unset WINE_ENV_BIN WINE_ENV_SAVED_PATH WINELOADER
  fi
  if [ -n "${WINE_ENV_XVFB_PID:-}" ]; then
    kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
  fi
  if [ "${WINE_ENV_PREFIX_OWNED:-0}" = 1 ] && [ -n "${WINEPREFIX:-}" ]; then
    rm -rf "$WINEPREFIX"
    unset WINEPREFIX
  fi
}
