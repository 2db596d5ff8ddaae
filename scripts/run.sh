#!/bin/sh
# Builds Quorvel and starts it.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh desktop
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build --target quorvel
exec build/quorvel
