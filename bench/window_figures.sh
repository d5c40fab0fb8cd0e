#!/bin/sh
# Figures of the interactive game in a window on a private X server (Xvfb),
# each beside its floor measured in the same run: the game's own window and
# renderer doing only what the figure cannot do without (bench/floor_window.c).
# - first presented frame: from launch to the first frame on the screen, the
#   median of FIRST_RUNS launches (5 unless set: one launch can be 50 ms off
#   on a busy machine); floor: the same window and renderer, cleared. Goal:
#   200 ms or less.
# - longest frame: the longest time between two presented frames in the
#   first 3 s after the first (on the title screen); floor: the cleared
#   window's. Goal: 25 ms or less.
# - CPU in play: the whole process's CPU use during SECONDS of play on the
#   first built-in level; floors: clear and present, and one full-screen
#   blended layer drawn each frame. Goal: 35 % of one core or less.
# - peak resident memory; floor: the cleared window's. Goal: 170 MB or less.
# - CPU while the window is unmapped, when nothing need be drawn; beside it
#   the cleared window's, which goes on presenting.
# Usage: bench/window_figures.sh [PROGRAM] [SECONDS] [PROGRAM...]   (run from
# the source tree; PROGRAM defaults to the release build, SECONDS of play to
# 60; further programs are measured in the same run, each in its own column)
set -e
here=$(dirname "$0")
first=$(realpath "${1:-build/release/shell/frostova}")
seconds=${2:-60}
shift 2 2>/dev/null || shift $#
unmapped_seconds=5
first_runs=${FIRST_RUNS:-5}
work=$(mktemp -d /tmp/frostova-figures-XXXXXX)
xvfb=""
running=""
cleanup() {
    [ -n "$running" ] && kill "$running" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM HUP PIPE

cc -shared -fPIC -O2 -o "$work/first_frame.so" "$here/first_frame.c" -ldl
cc -O2 -o "$work/floor_window" "$here/floor_window.c" $(pkg-config --cflags --libs sdl2)

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null &
xvfb=$!
exec 3>&-
for i in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
ticks_per_second=$(getconf CLK_TCK)

# cpu_percent PID SECONDS: the process's CPU use over the next SECONDS.
cpu_percent() {
    before=$(awk '{print $14 + $15}' "/proc/$1/stat")
    sleep "$2"
    after=$(awk '{print $14 + $15}' "/proc/$1/stat")
    echo "$(( (after - before) * 100 / (ticks_per_second * $2) )) %"
}

# measure NAME WINDOW_NAME PLAY COMMAND...: starts COMMAND, and writes the
# figures to $work/NAME.first, .longest, .cpu, .memory and .unmapped.
# PLAY 1 presses Return to start a game and leaves with two Escapes; 0
# leaves with one.
measure() {
    name=$1 window_name=$2 play=$3
    shift 3
    rm -rf "$work/home" && mkdir -p "$work/home"
    FROSTOVA_LAUNCH_NS=$(date +%s%N) HOME="$work/home" SDL_AUDIODRIVER=dummy \
        LD_PRELOAD="$work/first_frame.so" "$@" 2>"$work/$name.log" &
    running=$!
    for i in $(seq 200); do grep -q "first frame" "$work/$name.log" 2>/dev/null && break; sleep 0.05; done
    grep "first frame" "$work/$name.log" | sed 's/.*after \([0-9.]*\) ms/\1 ms/' >"$work/$name.first" || {
        echo "$name: no frame presented"
        cat "$work/$name.log"
        exit 1
    }
    for i in $(seq 100); do grep -q "longest frame" "$work/$name.log" 2>/dev/null && break; sleep 0.05; done
    grep "longest frame" "$work/$name.log" | sed 's/.*: \([0-9.]*\) ms/\1 ms/' >"$work/$name.longest" || true
    window=$(xdotool search --sync --name "^$window_name\$" | head -1)
    [ "$play" = 1 ] && xdotool key --window "$window" Return
    sleep 1
    cpu_percent "$running" "$seconds" >"$work/$name.cpu"
    awk '/VmHWM/ {printf "%.1f MB\n", $2 / 1024}' "/proc/$running/status" >"$work/$name.memory"
    xdotool windowunmap "$window"
    sleep 1
    cpu_percent "$running" "$unmapped_seconds" >"$work/$name.unmapped"
    # Mapped again, the window takes the keys only once it has the focus.
    xdotool windowmap --sync "$window"
    xdotool windowfocus --sync "$window"
    sleep 0.5
    xdotool key Escape
    if [ "$play" = 1 ]; then
        sleep 0.3
        xdotool key Escape
    fi
    wait "$running" && running=""
}

# first_frame_median NAME COMMAND...: launches COMMAND until its first frame
# as many more times as make FIRST_RUNS with the launch measure made, and
# writes the median of them all to $work/NAME.first.
first_frame_median() {
    name=$1
    shift
    cp "$work/$name.first" "$work/$name.firsts"
    for run in $(seq 2 "$first_runs"); do
        rm -rf "$work/home" && mkdir -p "$work/home"
        FROSTOVA_LAUNCH_NS=$(date +%s%N) HOME="$work/home" SDL_AUDIODRIVER=dummy \
            LD_PRELOAD="$work/first_frame.so" "$@" 2>"$work/$name.again.log" &
        running=$!
        for i in $(seq 200); do grep -q "first frame" "$work/$name.again.log" 2>/dev/null && break; sleep 0.05; done
        grep "first frame" "$work/$name.again.log" | sed 's/.*after \([0-9.]*\) ms/\1 ms/' >>"$work/$name.firsts" || true
        kill "$running" 2>/dev/null || true
        wait "$running" 2>/dev/null || true
        running=""
    done
    sort -n "$work/$name.firsts" | awk '{ v[NR] = $1 } END { printf "%.1f ms\n", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }' \
        >"$work/$name.first"
}

measure clear "Frostova floor" 0 "$work/floor_window"
first_frame_median clear "$work/floor_window"
measure layer "Frostova floor" 0 "$work/floor_window" layer
n=0
for program in "$first" "$@"; do
    n=$((n + 1))
    measure "game$n" Frostova 1 "$(realpath "$program")" --sprog en
    first_frame_median "game$n" "$(realpath "$program")" --sprog en
done

# One row per figure: each program's figure, then the floors and the goal.
row() {
    line=$(printf "%-26s" "$1")
    i=0
    while [ $i -lt $n ]; do
        i=$((i + 1))
        line="$line$(printf "%-12s" "$(cat "$work/game$i.$2")")"
    done
    echo "$line$(printf "%-14s%-14s%s" "$3" "$4" "$5")"
}
header=$(printf "%-26s" "figure")
i=0
for program in "$first" "$@"; do
    i=$((i + 1))
    header="$header$(printf "%-12s" "game $i")"
done
echo "$header$(printf "%-14s%-14s%s" "floor: clear" "floor: layer" "goal")"
row "first presented frame" first "$(cat "$work/clear.first")" "-" "<= 200 ms"
row "longest early frame" longest "$(cat "$work/clear.longest")" "-" "<= 25 ms"
row "CPU in play" cpu "$(cat "$work/clear.cpu")" "$(cat "$work/layer.cpu")" "<= 35 %"
row "peak resident memory" memory "$(cat "$work/clear.memory")" "-" "<= 170 MB"
row "CPU, window unmapped" unmapped "$(cat "$work/clear.unmapped")" "-" "-"
i=0
for program in "$first" "$@"; do
    i=$((i + 1))
    echo "game $i: $(realpath "$program")"
done
