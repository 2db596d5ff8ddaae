#!/bin/sh
# Builds Quorvel for use and packs it as a Debian package in build-package/.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh desktop
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build-package
(cd build-package && cpack -G DEB)
