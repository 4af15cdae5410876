#!/bin/sh
# Plays the Windows program as a player would, by key presses on a virtual display of its own:
#   xvfb-run -a PlayUnderWine.sh WINE-RUN PREFIX CPU PROGRAM
# First start (About, Skill Upgrade, PLAY BALL!), another start while it runs, which ends at
# once, pitches by P, R and Enter and a battle, a close sent in its middle (refused), the system
# menu's About item, Save & Exit, a second start that
# resumes from the registry, and Escape, which saves nothing. With PENNANTRY_SCREENSHOTS set to
# a folder, the windows are pictured there.
set -eu
wine="$1 $2 $3" prefix=$2 program=$4
key='HKLM\Software\Tessivar\Pennantry'
shots=${PENNANTRY_SCREENSHOTS:-}

step() { echo "$(date +%T) $*"; }
fail() { echo "FAIL: $*"; WINEPREFIX=$prefix wineserver -k 2>/dev/null || true; exit 1; }
shown() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
await() {
  for _ in $(seq 300); do [ -n "$(shown "$1")" ] && return 0; sleep 0.2; done
  fail "no window \"$1\""
}
picture() { [ -z "$shots" ] || import -window "$(shown "$1")" "$shots/$2"; }
saved() { $wine reg query "$key" 2>/dev/null | tr -d '\r' | grep REG_SZ | sort; }
# Answers whatever is open over the main window: boxes with Enter, a battle by attacking, a skill
# by the second choice; $1 presses is the most it will take.
answer() {
  for _ in $(seq "$1"); do
    if [ -n "$(shown pennantry)" ]; then
      if [ -n "$shots" ] && [ "$battles" -gt 0 ] && [ -z "$pictured$(shown 'Pennantry: Battle')" ]; then
        # The main window in play, the ball shown, with the box moved off it: moved again until the
        # picture has no black where it stood (the program places the box as it shows).
        for _ in $(seq 50); do
          xdotool windowmove "$(shown pennantry)" 700 650
          picture "$MAIN" windows-main.png
          [ "$(convert "$shots/windows-main.png" -fill white +opaque black -format '%[fx:mean>0.95]' info:)" = 1 ] && break || sleep 0.2
        done
        pictured=1
      fi
      xdotool key Return
    elif [ -n "$(shown 'Pennantry: Battle')" ]; then
      if [ "$battles" -eq 0 ]; then
        picture 'Pennantry: Battle' windows-battle.png
        # A close from outside in the middle of a play is refused: it would save half a play.
        $wine taskkill /im "$(basename "$program")" >/dev/null 2>&1 || true
      fi
      battles=$((battles + 1))
      xdotool key a
    elif [ -n "$(shown 'Skill Upgrade')" ]; then xdotool key Down Return
    else return 0
    fi
    sleep 0.3
  done
}
MAIN='Pennantry version 1.0'

$wine reg delete "$key" /f >/dev/null 2>&1 || true
step first start
$wine "$program" & game=$!
await 'About Pennantry'
picture 'About Pennantry' windows-about.png
xdotool key Return
await 'Skill Upgrade'
xdotool key Down
picture 'Skill Upgrade' windows-skill-upgrade.png
xdotool key Return
await pennantry
xdotool key Return
await "$MAIN"

step a second start while the game runs
# It ends at once and begins no game: the running window stays the only one.
timeout 60 $wine "$program" || fail "the second start did not end at once (status $?)"
[ "$(xdotool search --onlyvisible --name "^$MAIN\$" | wc -l)" -eq 1 ] || fail "more than one main window"
[ -z "$(shown 'About Pennantry')" ] || fail "the second start began a game"

step new game
# Pitches until a battle has been fought: P or R by turns, which only the side at bat's button
# takes, and Enter, which presses that button whatever has the focus.
battles=0 pitches=0 pictured=
while [ "$battles" -eq 0 ] || [ "$pitches" -lt 4 ]; do
  [ "$pitches" -lt 200 ] || fail "no battle in 200 pitches"
  if [ -z "$(shown pennantry)$(shown 'Pennantry: Battle')$(shown 'Skill Upgrade')" ]; then
    xdotool key "$(echo p Return r Return | cut -d' ' -f$((pitches % 4 + 1)))"
    pitches=$((pitches + 1))
    sleep 0.3
  fi
  answer 400
done
kill -0 "$game" 2>/dev/null || fail "the program ended in play"
[ -z "$(saved)" ] || fail "something was saved in play: $(saved)"
step "$pitches pitches, $battles blows in battle; the system menu's About"

# The system menu's last item (Wine adds an "About Wine" of its own above it).
xdotool key alt+space Up Return
await 'About Pennantry'
xdotool key Return
sleep 0.5
step Save and Exit
xdotool key e
wait "$game" || fail "the program ended with status $?"
before=$(saved)
[ "$(echo "$before" | wc -l)" -eq 18 ] || fail "Save & Exit left $(echo "$before" | wc -l) values: $before"

step second start
# The second start resumes: after About comes the main window, with no new game's questions.
$wine "$program" & game=$!
await 'About Pennantry'
xdotool key Return
await "$MAIN"
sleep 1
[ -z "$(shown 'Skill Upgrade')$(shown pennantry)" ] || fail "a new game began instead of the saved one"
xdotool key p r
sleep 0.5
answer 400
step Escape
xdotool key Escape
wait "$game" || fail "the program ended with status $?"
[ "$(saved)" = "$before" ] || fail "Escape changed the saved game"
step "the saved game, kept: $(echo $before)"
