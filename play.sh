#!/usr/bin/env bash
# Installs what is missing, builds the game and its data into build/, and
# starts the game. Extra arguments go to the game (try --help).
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
tools/build.sh
cd build
exec ./quasarine "$@"
