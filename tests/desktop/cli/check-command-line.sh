#!/bin/sh
# Runs the program as a person would from a terminal: help and version without any display, an
# unknown option or argument refused with status 2, and no display reported in one line with
# status 1 instead of a crash.
set -u
program=$1
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failures=0
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }

# Runs the program with no display at all; sets status, and the output in $out and $err.
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$out" 2>"$err"; status=$?; }

run --help
[ "$status" -eq 0 ] || fail "--help ended with status $status"
grep -q '^Usage: quorvel' "$out" || fail "--help shows no usage"
grep -q -- '-platform name' "$out" || fail "--help leaves out the toolkit's options"
[ -s "$err" ] && fail "--help wrote to standard error: $(cat "$err")"

run --version
[ "$status" -eq 0 ] || fail "--version ended with status $status"
grep -qx 'Quorvel [0-9][0-9.]*' "$out" || fail "--version printed: $(cat "$out")"

for wrong in --bogus -x file.txt "-platform" "--version extra" "--help stray"; do
    run $wrong
    [ "$status" -eq 2 ] || fail "'$wrong' ended with status $status"
    grep -q '^quorvel: ' "$err" || fail "'$wrong' was not reported on standard error"
    [ -s "$out" ] && fail "'$wrong' wrote to standard output"
done

run
[ "$status" -eq 1 ] || fail "without a display the program ended with status $status"
[ "$(wc -l <"$err")" -eq 1 ] || fail "without a display it wrote more than one line: $(cat "$err")"
grep -q 'needs a graphical desktop.*DISPLAY' "$err" || fail "without a display it said: $(cat "$err")"

env -u WAYLAND_DISPLAY DISPLAY=:9999 QT_QPA_PLATFORM=xcb "$program" >"$out" 2>"$err"
status=$?
[ "$status" -eq 1 ] || fail "with a display that is not there it ended with status $status"
grep -q 'could not open the display ":9999"' "$err" || fail "with a missing display it said: $(cat "$err")"

[ "$failures" -eq 0 ] && echo "the command line behaves as documented"
exit "$failures"
