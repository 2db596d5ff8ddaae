#!/bin/sh
# Builds Quorvel with its tests and runs them all: once as built for use, once under
# AddressSanitizer and UndefinedBehaviorSanitizer; then fuzzes the settings-text conversion,
# and tests the web edition in a real browser.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh desktop test

cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-tests
ctest --test-dir build-tests --output-on-failure

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON
cmake --build build-sanitize
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
    ctest --test-dir build-sanitize --output-on-failure

# The settings-text conversion under libFuzzer, for a bounded time.
cmake -S tests/fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++
cmake --build build-fuzz
ctest --test-dir build-fuzz --output-on-failure

# The web edition in headless chromium, against the desktop build's recording.
scripts/build-web.sh
(cd tests/web && npm ci --no-audit --no-fund && npm test)
