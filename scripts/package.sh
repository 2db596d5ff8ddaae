#!/bin/sh
# Builds Quorvel for use and packs it as a Debian package in build-package/.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh desktop
cmake --workflow --preset package
