#!/usr/bin/env bash
# Installs the play build (build/) into a scratch prefix and runs the
# installed game from another folder, with a scratch home: it must find its
# data under the prefix and keep config.txt in the user's config folder.
# Then makes the .deb and checks what it holds.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/home" "$root/elsewhere"

cmake --install build --prefix "$root/prefix" >/dev/null
for f in bin/quasarine share/quasarine/data/map/test.map share/applications/quasarine.desktop \
         share/icons/hicolor/64x64/apps/quasarine.png; do
  [ -e "$root/prefix/$f" ] || { echo "check-install: $f was not installed"; exit 1; }
done

(cd "$root/elsewhere" && HOME="$root/home" XDG_CONFIG_HOME="" \
  "$root/prefix/bin/quasarine" --headless --frames 30 --trace trace.jsonl)
lines=$(wc -l < "$root/elsewhere/trace.jsonl")
[ "$lines" -eq 30 ] || { echo "check-install: the installed game wrote $lines trace lines"; exit 1; }
[ -f "$root/home/.config/quasarine/config.txt" ] ||
  { echo "check-install: no config.txt in the user's config folder"; exit 1; }
[ ! -e "$root/elsewhere/config.txt" ] && [ ! -e "$root/prefix/share/quasarine/config.txt" ] ||
  { echo "check-install: config.txt written outside the user's config folder"; exit 1; }

(cd build && cpack -G DEB >"$root/cpack.log" 2>&1) || { cat "$root/cpack.log"; exit 1; }
deb=$(ls build/quasarine_*.deb | head -n 1)
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/quasarine ./usr/share/quasarine/data/map/test.map \
         ./usr/share/applications/quasarine.desktop; do
  grep -q " $f\$" <<<"$contents" || { echo "check-install: $deb lacks $f"; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep -q libsdl2 || { echo "check-install: $deb names no SDL dependency"; exit 1; }
echo "check-install: installed game runs from another folder; $deb holds the game"
