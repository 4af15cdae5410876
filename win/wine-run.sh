#!/bin/sh
# Runs a Windows program under Wine in the build's own prefix: wine-run.sh PREFIX CPU PROGRAM [ARGS...]
# CPU is i686 (32-bit Wine) or x86_64 (64-bit Wine). The prefix is made on first use, under a
# lock, so that test discovery and the tests share one.
set -e
prefix=$1 cpu=$2
shift 2
# No menu entries on this machine for what is installed in the prefix (winemenubuilder).
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" LC_ALL=C.UTF-8
if [ "$cpu" = x86_64 ]; then
  export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
else
  export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine
fi
mkdir -p "$WINEPREFIX"
# Nothing started under the lock may keep its descriptor (9>&-): a server holding it would
# hold every later run until it exits.
(
  flock 9
  if [ ! -f "$WINEPREFIX/.ready" ]; then
    # A prefix made without a display asks nothing and shows nothing.
    DISPLAY= "$WINELOADER" wineboot -i >/dev/null 2>&1 9>&-
    # The dialogs' font and its fallbacks; without them Wine has no "MS Sans Serif" to draw with.
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    # Unmanaged windows: with no window manager, Wine would wait for one at every window.
    "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 9>&-
    wineserver -w 9>&-
    touch "$WINEPREFIX/.ready"
  fi
  # One server for the whole run, so that each program does not start (and wait for) its own.
  wineserver -p30 >/dev/null 2>&1 9>&- || true
) 9>"$WINEPREFIX.lock"
exec "$WINELOADER" "$@"
