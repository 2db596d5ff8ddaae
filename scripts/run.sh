#!/bin/sh
# Builds Quorvel and starts it.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh desktop
cmake --preset run
cmake --build --preset run
exec build/desktop/quorvel
