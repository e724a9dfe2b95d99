#!/usr/bin/env bash
# Starts the real game under a virtual X display for 10 frames and checks it
# ends cleanly, leaves the default config.txt and a 640x480 screenshot.
# Usage: run-game.sh GAME [DATA_DIR]
set -euo pipefail
game=$(readlink -f "$1")
data=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
if [ -n "$data" ] && [ -d "$data" ]; then ln -s "$(readlink -f "$data")" data; fi

status=0
xvfb-run -a -s "-screen 0 640x480x24" \
  "$game" --windowed --no-boxes --frames 10 --screenshot shot.png >out.txt 2>&1 || status=$?
cat out.txt
if [ "$status" -ne 0 ]; then echo "FAIL: the game exited with $status"; exit 1; fi
if [ ! -s shot.png ]; then echo "FAIL: no screenshot"; exit 1; fi
# PNG: width and height are the big-endian words at bytes 16 and 20.
size=$(od -An -tu1 -j16 -N8 shot.png | awk '{print $3*256+$4 "x" $7*256+$8}')
if [ "$size" != "640x480" ]; then echo "FAIL: screenshot is $size"; exit 1; fi
if [ "$(cat config.txt)" != "$(printf 'refresh_rate = 75\nfilter = false')" ]; then
  echo "FAIL: config.txt is not the default"; exit 1
fi
echo "OK: the game ran 10 frames and saved a 640x480 screenshot"
