#!/usr/bin/env bash
# Installs every Debian package Quasarine needs to build, play and test.
# Idempotent: it asks apt only for packages that are missing and prints
# nothing when everything is already there.
set -euo pipefail

PACKAGES=(
  # compiler and build
  build-essential cmake pkg-config clang-format
  # the game: window, GL, audio, pictures
  libsdl2-dev libgl-dev libopenal-dev libvorbis-dev libpng-dev
  # data tools: rooms
  libpugixml-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev libgl1-mesa-dri libegl1
  xvfb xauth xdotool sox valgrind
  # packaging: the .deb check
  file
  # fuzzing: clang's libFuzzer and sanitizer runtimes
  clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
