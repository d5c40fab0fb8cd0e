#!/bin/sh
# `make run` as a newcomer types it, from the top of the source tree: it must
# build the game and start it with the options given in ARGS. Here the
# headless test of one frame stands in for play.
# Usage: tests/make_run.sh SOURCE_DIR
set -e
out=$(mktemp -d /tmp/frostova-make-run-XXXXXX)
trap 'rm -rf "$out"' EXIT
cd "$1"
HOME="$out" make run ARGS="--test 1 --ud $out" >"$out/make.log" 2>&1 || {
    cat "$out/make.log"
    exit 1
}
grep -q '^tilstand 0, bane 1, point 0, liv 3$' "$out/make.log" || {
    echo "no result line"
    cat "$out/make.log"
    exit 1
}
test -s "$out/f00000.bmp" || {
    echo "no picture of frame 0"
    exit 1
}
