#!/usr/bin/env bash
# The CI part of fuzzing: when clang is installed, builds the fuzz targets and
# runs each for a short time (default 15 s) from its seeds; fails when any
# target finds a crash, leak, hang or runaway allocation.
#   tools/fuzz-ci.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz-ci: clang++ is not installed; fuzzing skipped"
  exit 0
fi
bash fuzz.sh --fresh "${1:-15}"
