#!/usr/bin/env bash
# Fills OUT_DIR/<target>/ afresh with each fuzz target's seeds: those beside
# this script (command lines NUL-separated) and the small generated files.
#   tests/fuzz/make-seeds.sh DATA_DIR OUT_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
data="$1"
out="$2"

# Larger files only slow every mutation; the targets run with -max_len at this size.
max_bytes=65536

targets=(targa map_file room_file settings script_input wav ogg command_line game_room)
for t in "${targets[@]}"; do
  rm -rf "${out:?}/$t"
  mkdir -p "$out/$t"
  if [ -d "$here/seeds/$t" ]; then cp "$here/seeds/$t"/* "$out/$t/"; fi
done

copy_small() {  # copy_small TARGET FILE...
  local target="$1" f
  shift
  for f in "$@"; do
    if [ -f "$f" ] && [ "$(stat -c %s "$f")" -le "$max_bytes" ]; then cp "$f" "$out/$target/"; fi
  done
}

copy_small targa "$data"/*.tga
copy_small map_file "$data"/map/*.map
copy_small room_file "$data"/map/*.sec
copy_small game_room "$data"/map/*.sec
copy_small wav "$data"/sound/*.wav
copy_small ogg "$data"/sound/*.ogg
