#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz into build-fuzz/ (clang, with
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs each in turn.
#
#   bash fuzz.sh [--fresh] [SECONDS] [TARGET...]
#
# SECONDS is each target's run time (default 60); TARGETs are names like
# targa or fuzz_targa (default: all). Each target keeps the inputs it found in
# build-fuzz/corpus/TARGET and starts again from them next time; --fresh
# starts from the seeds alone in a corpus that is thrown away (CI does this,
# so its run time stays bounded). Crash, leak, timeout and out-of-memory
# reproducers land in build-fuzz/findings/; the status is 1 when any target
# found one. One summary line per target; the full log is in build-fuzz/logs/.
set -euo pipefail
cd "$(dirname "$0")"
root="$PWD"

fresh=0
if [ "${1:-}" = "--fresh" ]; then
  fresh=1
  shift
fi
seconds=60
if [[ "${1:-}" =~ ^[0-9]+$ ]]; then
  seconds="$1"
  shift
fi

all=(targa map_file room_file settings script_input wav ogg command_line game_room)
targets=()
for t in "$@"; do targets+=("${t#fuzz_}"); done
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")

data="$root/build/data"
if [ ! -f "$data/map/test.map" ]; then
  echo "fuzz: building the game's data first (tools/build.sh)"
  tools/build.sh
fi

out="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S . -B "$out" -DQUASARINE_FUZZ=ON -DQUASARINE_DATA=OFF \
  -DQUASARINE_FUZZ_DATA_DIR="$data" >/dev/null
cmake --build "$out" -j "$(nproc)" --target fuzzers

tests/fuzz/make-seeds.sh "$data" "$out/seeds"
mkdir -p "$out/findings" "$out/logs"
corpora="$out/corpus"
if [ $fresh -eq 1 ]; then
  corpora="$out/fresh-corpus"
  rm -rf "$corpora"
fi

export QUASARINE_DATA_DIR="$data"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"

found=0
for t in "${targets[@]}"; do
  name="fuzz_$t"
  if [ ! -x "$out/fuzz/$name" ]; then
    echo "fuzz: no target $name (known: ${all[*]})" >&2
    exit 2
  fi
  options=(-max_total_time="$seconds" -timeout=25 -print_final_stats=1
           -artifact_prefix="$out/findings/$name-")
  case "$t" in
    targa | room_file | wav | ogg | game_room) options+=(-max_len=65536) ;;
  esac
  # The game reports each room it refuses on stderr; libFuzzer's own output
  # and sanitizer reports still come through.
  [ "$t" = game_room ] && options+=(-close_fd_mask=2)
  [ -f "tests/fuzz/dicts/$t.dict" ] && options+=(-dict="tests/fuzz/dicts/$t.dict")

  mkdir -p "$corpora/$t"
  log="$out/logs/$name.log"
  before=$(find "$out/findings" -name "$name-*" | wc -l)
  touch "$out/logs/$name.start"
  status=0
  "$out/fuzz/$name" "${options[@]}" "$corpora/$t" "$out/seeds/$t" >"$log" 2>&1 || status=$?
  after=$(find "$out/findings" -name "$name-*" | wc -l)

  runs=$(sed -n 's/^stat::number_of_executed_units: *\([0-9]*\).*/\1/p' "$log" | tail -n 1)
  start=$(sed -n 's/.*INITED cov: *\([0-9]*\).*/\1/p' "$log" | tail -n 1)
  end=$(sed -n 's/^#[0-9].* cov: *\([0-9]*\).*/\1/p' "$log" | tail -n 1)
  corpus_end=$(sed -n 's/^#[0-9].* corp: *\([0-9]*\).*/\1/p' "$log" | tail -n 1)
  new=$((after - before))
  if [ $status -ne 0 ] && [ $new -eq 0 ]; then new=1; fi  # died before writing a reproducer
  if [ $new -gt 0 ]; then found=1; fi
  gained="?"
  if [ -n "$start" ] && [ -n "$end" ]; then gained=$((end - start)); fi
  printf '%-18s %9s runs   coverage %5s -> %-5s (+%s)   corpus %5s   findings %s\n' \
    "$name" "${runs:-?}" "${start:-?}" "${end:-?}" "$gained" "${corpus_end:-?}" "$new"
  if [ $status -ne 0 ]; then
    grep -m 1 -E 'ERROR: |runtime error:' "$log" | sed 's/^/    /' || true
    echo "    log: ${log#"$root"/}"
    for f in $(find "$out/findings" -name "$name-*" -newer "$out/logs/$name.start"); do
      echo "    reproduce: build-fuzz/fuzz/$name ${f#"$root"/}"
    done
  fi
done
exit $found
