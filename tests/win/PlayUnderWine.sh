#!/bin/sh
# What only the Windows program does, played by key presses on a virtual display of its own (the
# conformance session plays the game itself):
#   xvfb-run -a PlayUnderWine.sh WINE-RUN PREFIX CPU PROGRAM SESSION
# A first start, another start while it runs (which ends at once), F1, the system menu's About
# item and Escape; then the conformance SESSION's saved game and seed, played to its first battle,
# where a close sent from outside is refused: it would save half a play. Every step waits for the
# window it needs; the waits' limits only end a hung test. With PENNANTRY_SCREENSHOTS set to a
# folder, the windows are pictured there.
set -eu
wine="$1 $2 $3" prefix=$2 program=$4 session=$5
key='HKLM\Software\Tessivar\Pennantry'
shots=${PENNANTRY_SCREENSHOTS:-}
MAIN='Pennantry version 1.0'

fail() { echo "FAIL: $*" >&2; WINEPREFIX=$prefix wineserver -k 2>/dev/null || true; exit 1; }
newest() { xdotool search --onlyvisible --name . 2>/dev/null | sort -n | tail -n 1; }
title() { xdotool getwindowname "$1" 2>/dev/null || true; }
# Waits until the newest window on screen is titled $1 and is not the window $2 (one just
# answered, which may not be gone yet); prints it.
await() {
  n=0
  while w=$(newest); [ "$(title "$w")" != "$1" ] || [ "$w" = "${2:-}" ]; do
    n=$((n + 1)); [ "$n" -lt 20000 ] || fail "no window \"$1\" (the newest is \"$(title "$w")\")"
  done
  echo "$w"
}
picture() { [ -z "$shots" ] || import -window "$1" "$shots/$2"; }
# Wine's services keep open what their first program had: the output goes through a file, never a pipe.
saved() { $wine reg query "$key" >"$out" 2>/dev/null || true; tr -d '\r' <"$out" | grep REG_SZ | sort || true; }
ended() { wait "$game" || fail "the program ended with status $?"; }

out=$(mktemp); trap 'rm -f "$out" "$out.reg"' EXIT
$wine reg delete "$key" /f >/dev/null 2>&1 || true
$wine "$program" >/dev/null 2>&1 & game=$!
w=$(await 'About Pennantry'); picture "$w" windows-about.png; xdotool key Return
w=$(await 'Skill Upgrade'); xdotool key Down; picture "$w" windows-skill-upgrade.png; xdotool key Return
w=$(await pennantry); xdotool key Return
main=$(await "$MAIN" "$w")

timeout 60 $wine "$program" >/dev/null 2>&1 || fail "the second start did not end at once (status $?)"
[ "$(xdotool search --onlyvisible --name "^$MAIN\$" | wc -l)" -eq 1 ] || fail "more than one main window"
[ "$(newest)" = "$main" ] || fail "the second start began a game"
xdotool key F1; w=$(await 'How to play'); xdotool key Return; await "$MAIN" "$w" >/dev/null
# The system menu's last item (Wine adds an "About Wine" of its own above it).
xdotool key alt+space Up Return; w=$(await 'About Pennantry'); xdotool key Return; await "$MAIN" "$w" >/dev/null
xdotool key Escape; ended
[ -z "$(saved)" ] || fail "Escape saved: $(saved)"

# The session's first start: seven pitches, a box each, then a battle.
sed -n 's/^saved //p' "$session" | tr ' ' '\n' | sed 's/\(.*\)=\(.*\)/"\1"="\2"/' \
  | { printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Tessivar\\Pennantry]\n'; cat; } >"$out.reg"
$wine reg import "Z:$out.reg" >/dev/null 2>&1
before=$(saved)
$wine "$program" --seed "$(sed -n 's/^seed //p' "$session")" >/dev/null 2>&1 & game=$!
w=$(await 'About Pennantry'); xdotool key Return
for pitch in 1 2 3 4 5 6 7; do
  main=$(await "$MAIN" "$w"); xdotool key p
  w=$(await pennantry)
  if [ "$pitch" = 1 ] && [ -n "$shots" ]; then
    # The main window in play, the ball shown, with the box moved off it.
    xdotool windowmove --sync "$w" 700 650; picture "$main" windows-main.png
  fi
  xdotool key Return
done
w=$(await 'Pennantry: Battle'); picture "$w" windows-battle.png
$wine taskkill /im "$(basename "$program")" >/dev/null 2>&1 || true
# The close is posted, so it is handled before the key that follows.
xdotool key s; await pennantry "$w" >/dev/null
$wine taskkill /f /im "$(basename "$program")" >/dev/null 2>&1 || true
wait "$game" || true
[ "$(saved)" = "$before" ] || fail "a close from outside saved half a play: $(saved)"
