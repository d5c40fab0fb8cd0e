#!/bin/sh
# Figures of the interactive game in a window on a private X server (Xvfb):
# the time from launch to the first presented frame, the whole process's CPU
# use during a minute of play on the first built-in level, and its peak
# resident memory. Goals: under 250 ms, under 25 % of one core, under 150 MB.
# Usage: bench/window_figures.sh [PROGRAM] [SECONDS]   (run from the source tree;
# PROGRAM defaults to the release build, SECONDS of play to 60)
set -e
program=$(realpath "${1:-build/release/shell/frostova}")
seconds=${2:-60}
work=$(mktemp -d /tmp/frostova-figures-XXXXXX)
xvfb=""
game=""
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM HUP PIPE

cc -shared -fPIC -O2 -o "$work/first_frame.so" "$(dirname "$0")/first_frame.c" -ldl

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null &
xvfb=$!
exec 3>&-
for i in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

mkdir -p "$work/home"
FROSTOVA_LAUNCH_NS=$(date +%s%N) HOME="$work/home" SDL_AUDIODRIVER=dummy \
    LD_PRELOAD="$work/first_frame.so" "$program" --sprog en 2>"$work/game.log" &
game=$!
for i in $(seq 200); do grep -q "first frame" "$work/game.log" 2>/dev/null && break; sleep 0.05; done
grep "first frame" "$work/game.log" || { echo "no frame presented"; cat "$work/game.log"; exit 1; }

window=$(xdotool search --sync --name '^Frostova$' | head -1)
xdotool key --window "$window" Return
sleep 1
ticks_per_second=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$game/stat"; }
before=$(cpu)
sleep "$seconds"
after=$(cpu)
echo "CPU during $seconds s of play: $(( (after - before) * 100 / (ticks_per_second * seconds) )) % of one core"
echo "renderer threads: $(ls "/proc/$game/task" | wc -l)"
echo "peak resident memory: $(awk '/VmHWM/ {printf "%.1f MB", $2 / 1024}' "/proc/$game/status")"
xdotool key --window "$window" Escape
sleep 0.3
xdotool key --window "$window" Escape
wait "$game" && game=""
