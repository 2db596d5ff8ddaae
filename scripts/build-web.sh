#!/bin/sh
# Builds the web edition under Emscripten into build-web/: the page in build-web/page/, and the
# recorder the browser tests use in build-web/tests/. The preset names Emscripten's toolchain
# file, as emcmake would, and the NODE_PATH its optimiser needs to find Debian's acorn module.
set -eu
cd "$(dirname "$0")/.."
cmake --preset web
cmake --build --preset web
