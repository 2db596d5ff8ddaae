#!/bin/sh
# Builds the web edition under Emscripten into build-web/: the page in build-web/web/, and the
# recorder the browser tests use in build-web/tests/.
set -eu
cd "$(dirname "$0")/.."
# Emscripten's optimiser runs on Node.js and needs Debian's acorn module, which a Node.js from
# elsewhere does not look for.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-web
