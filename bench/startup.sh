#!/usr/bin/env bash
# Measures the game's start-up against a bare Qt 6 dialog: time from launch to the first window
# on screen (mapped), and peak memory up to then, each the median of several runs on a private X
# server without a window manager.
#
#   bench/startup.sh [runs]          (default 7 runs of each program)
#
# Builds both first: the bare dialog in build/bench, the game with the dev preset. To measure a
# game already built elsewhere, set PENNANTRY=/path/to/pennantry.
# Needs Xvfb and the XCB headers (for the stopwatch, bench/first_window.cpp); `make deps` installs them.
set -euo pipefail

runs=${1:-7}
root=$(cd "$(dirname "$0")/.." && pwd)
bare="$root/build/bench/bare_dialog"
watch="$root/build/bench/first_window"

for tool in Xvfb; do
    command -v "$tool" >/dev/null || { echo "startup.sh: $tool is missing; run 'make deps'" >&2; exit 1; }
done

echo "Building the bare dialog and the game..."
cmake -S "$root/bench" -B "$root/build/bench" -G Ninja >/dev/null
cmake --build "$root/build/bench" >/dev/null
if [ -z "${PENNANTRY:-}" ]; then
    (cd "$root" && cmake --preset dev >/dev/null && cmake --build --preset dev --target pennantry >/dev/null)
    PENNANTRY="$root/build/dev/app/pennantry"
fi
[ -x "$PENNANTRY" ] || { echo "startup.sh: no game program at $PENNANTRY" >&2; exit 1; }

scratch=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# A private X server on the first free display; it writes the display number once it is ready.
exec 3>"$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.05
done
[ -s "$scratch/display" ] || { echo "startup.sh: Xvfb did not start" >&2; cat "$scratch/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$scratch/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One run: prints "milliseconds kibibytes" for the first window with the exact title. Each run
# has a configuration folder of its own, so the game finds no saved game and the player's is safe.
measure() {
    local config
    config=$(mktemp -d "$scratch/config.XXXXXX")
    XDG_CONFIG_HOME="$config" "$watch" "$1" 20000 "${@:2}"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One unmeasured run of each fills the page cache, so every measured run starts alike; the two
# programs then take turns, so a slow spell on the machine falls on both.
measure "Bare Dialog" "$bare" >/dev/null
measure "About Pennantry" "$PENNANTRY" >/dev/null || {
    echo "startup.sh: the game showed no \"About Pennantry\" window" >&2; exit 1; }
: >"$scratch/bare.txt"
: >"$scratch/game.txt"
for i in $(seq "$runs"); do
    measure "Bare Dialog" "$bare" >>"$scratch/bare.txt"
    measure "About Pennantry" "$PENNANTRY" >>"$scratch/game.txt"
    echo "  run $i: bare $(tail -n1 "$scratch/bare.txt" | awk '{ print $1 " ms, CPU " $3 " ms" }'), game $(tail -n1 "$scratch/game.txt" | awk '{ print $1 " ms, CPU " $3 " ms" }')"
done

bare_ms=$(cut -d' ' -f1 "$scratch/bare.txt" | median)
game_ms=$(cut -d' ' -f1 "$scratch/game.txt" | median)
bare_kib=$(cut -d' ' -f2 "$scratch/bare.txt" | median)
game_kib=$(cut -d' ' -f2 "$scratch/game.txt" | median)
bare_cpu=$(cut -d' ' -f3 "$scratch/bare.txt" | median)
game_cpu=$(cut -d' ' -f3 "$scratch/game.txt" | median)

awk -v runs="$runs" -v bms="$bare_ms" -v gms="$game_ms" -v bk="$bare_kib" -v gk="$game_kib" -v bc="$bare_cpu" -v gc="$game_cpu" 'BEGIN {
    ratio = 100 * gms / bms
    extra = (gk - bk) / 1024
    printf "\n%-22s %12s %12s\n", "medians of " runs " runs", "bare dialog", "game"
    printf "%-22s %12.0f %12.0f   game at %.0f%% of bare (target 110%%)\n", "to first window (ms)", bms, gms, ratio
    printf "%-22s %12.0f %12.0f   game at %.0f%% of bare\n", "CPU until then (ms)", bc, gc, 100 * gc / bc
    printf "%-22s %12.1f %12.1f   game %+.1f MiB (target +10 MiB)\n", "peak memory (MiB)", bk / 1024, gk / 1024, extra
    met = (ratio <= 110 && extra <= 10)
    printf "%s\n", met ? "Both targets met." : "Target missed."
    exit !met
}'
