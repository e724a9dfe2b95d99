#!/usr/bin/env bash
# Configures and builds the game, its tools and its data into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build -j "$(nproc)"
