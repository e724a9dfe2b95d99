#!/usr/bin/env bash
# Installs what is missing, builds the game and its data into build/, then
# builds the test suite under AddressSanitizer and UndefinedBehaviorSanitizer
# into build-tests/ and runs every test, checks an installed copy and the
# .deb, and fuzzes each loader briefly.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
tools/build.sh
cmake -S . -B build-tests -DQUASARINE_TESTS=ON -DQUASARINE_SANITIZE=ON -DQUASARINE_DATA=OFF \
  -DQUASARINE_DATA_DIR="$PWD/build/data" >/dev/null
cmake --build build-tests -j "$(nproc)"
cd build-tests
ctest --output-on-failure -j "$(nproc)"
cd ..
# The installed game runs from anywhere; the .deb holds it.
tools/check-install.sh
# Each libFuzzer target briefly on its seeds (skipped without clang).
tools/fuzz-ci.sh
