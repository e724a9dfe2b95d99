#!/usr/bin/env bash
# Fills OUT_DIR/<target>/ with the seed inputs of every fuzz target, taken from
# the generated data in DATA_DIR, the text seeds beside this script, and a few
# made here. Existing seed folders are replaced.
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

# Small pictures: a 32 x 32 sheet of one cell (32 bits, alpha bits 8, a
# 3-byte id field) and a 2 x 2 picture of 24 bits.
{
  printf '\003\000\002\000\000\000\000\000\000\000\000\000\040\000\040\000\040\010abc'
  head -c 4096 /dev/zero | tr '\000' '\377'
} > "$out/targa/cell32.tga"
{
  printf '\000\000\002\000\000\000\000\000\000\000\000\000\002\000\002\000\030\000'
  printf '\377\000\377\000\377\377\000\000\000\377\377\377'
} > "$out/targa/tiny24.tga"

# The settings file the game writes when there is none.
printf 'refresh_rate = 75\nfilter = false\n' > "$out/settings/written-default.txt"

# Command lines, arguments separated by NUL bytes.
cl="$out/command_line"
printf '%s\0' --headless --frames 600 --seed 1 --input walk.txt --trace - > "$cl/headless-trace"
printf '%s\0' --windowed --no-boxes --mute --frames 10 --screenshot shot.png > "$cl/windowed-shot"
printf '%s\0' --headless --frames 300 --input play.txt --record rec.txt --trace rec.txt > "$cl/same-file"
printf '%s\0' --help > "$cl/help"
printf '%s\0' --seed 4294967296 --frames 0 > "$cl/out-of-range"
printf '%s' --bogus > "$cl/unknown"
