#!/usr/bin/env bash
# Starts the real game and checks how it ends.
# Usage: run-game.sh MODE GAME [DATA_DIR]
#   frames   under a virtual X display for 10 frames: exits 0, leaves the
#            default config.txt and a 640x480 screenshot
#   escape   under a virtual X display until Escape is pressed: exits 0
#   no-gl    with a video driver that has no OpenGL: reports the failure on
#            stderr and exits non-zero
set -euo pipefail
mode=$1
game=$(readlink -f "$2")
data=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
if [ -n "$data" ] && [ -d "$data" ]; then ln -s "$(readlink -f "$data")" data; fi
fail() { echo "FAIL: $*"; cat out.txt 2>/dev/null || true; exit 1; }
status=0
case "$mode" in
frames)
  xvfb-run -a -s "-screen 0 640x480x24" "$game" --windowed --no-boxes --frames 10 \
    --screenshot shot.png >out.txt 2>&1 || status=$?
  [ "$status" -eq 0 ] || fail "the game exited with $status"
  [ -s shot.png ] || fail "no screenshot"
  # PNG: width and height are the big-endian words at bytes 16 and 20.
  size=$(od -An -tu1 -j16 -N8 shot.png | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$size" = "640x480" ] || fail "the screenshot is $size"
  [ "$(cat config.txt)" = "$(printf 'refresh_rate = 75\nfilter = false\ninteger_scale = false\nkeys = Right, Left, Up, Down, Z, X')" ] ||
    fail "config.txt is not the default"
  ;;
escape)
  cat >drive.sh <<DRIVE
"$game" --windowed --no-boxes >out.txt 2>&1 &
pid=\$!
# Once the window is up (start-up is slow under the sanitizers), press Escape
# once a second (a press sent before the window has the focus is lost) until
# the game ends, for at most 20 seconds.
timeout 60 xdotool search --sync --onlyvisible --name Quasarine >/dev/null
for i in \$(seq 20); do
  sleep 1
  kill -0 \$pid 2>/dev/null || break
  xdotool mousemove 320 240 key Escape
done
for i in \$(seq 50); do kill -0 \$pid 2>/dev/null || break; sleep 0.1; done
if kill -0 \$pid 2>/dev/null; then kill \$pid; echo "still running after Escape"; exit 1; fi
wait \$pid
DRIVE
  xvfb-run -a -s "-screen 0 640x480x24" bash drive.sh || status=$?
  [ "$status" -eq 0 ] || fail "Escape did not end the game cleanly (status $status)"
  ;;
no-gl)
  SDL_VIDEODRIVER=dummy "$game" --windowed --no-boxes >out.txt 2>&1 || status=$?
  [ "$status" -ne 0 ] || fail "a start-up failure exited with 0"
  grep -q "ERROR: Window Creation Error." out.txt || fail "no failure report on stderr"
  ;;
*)
  echo "unknown mode $mode"; exit 2 ;;
esac
echo "OK: $mode"
