#!/bin/sh
# Builds Quorvel with its tests and runs them all: once as built for use, once under
# AddressSanitizer and UndefinedBehaviorSanitizer; then fuzzes the settings-text conversion,
# and tests the web edition in a real browser. Each preset treats warnings as errors.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh desktop test

cmake --workflow --preset tests
# The sanitizers' options, with the LSan suppressions, come with the preset.
cmake --workflow --preset sanitize
# The settings-text conversion under libFuzzer, for a bounded time.
cmake --workflow --preset fuzz

# The web edition in headless chromium, against the desktop build's recording.
scripts/build-web.sh
(cd tests/web && npm ci --no-audit --no-fund && npm test)
