#!/bin/sh
# Runs a program on a private X server under openbox, and exits with its status.
#   UnderWindowManager.sh PROGRAM [ARGS...]
# The server picks a free display itself (-displayfd), so tests running side by side never share one.
scratch=$(mktemp -d)
trap 'kill $wm $server 2>/dev/null; rm -rf "$scratch"' EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/log" &
server=$!
for _ in $(seq 200); do
    [ -s "$scratch/display" ] && break
    sleep 0.05
done
[ -s "$scratch/display" ] || { echo "Xvfb did not start:" >&2; cat "$scratch/log" >&2; exit 1; }
DISPLAY=":$(head -n1 "$scratch/display")"
export DISPLAY
openbox >/dev/null 2>&1 &
wm=$!
"$@"
