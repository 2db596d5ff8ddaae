#!/bin/sh
# A user's plain Release build, tests included, asks for warnings but never makes them errors,
# so that a newer compiler's new warning cannot stop it; the tests preset makes every one an
# error. Configures the source tree both ways into scratch folders and reads the compile
# commands. Usage: check-plain-build-flags.sh path/to/source
set -eu
src=${1:?usage: check-plain-build-flags.sh path/to/source}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

configure() {
    name=$1
    shift
    if ! cmake "$@" -B "$work/$name" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON > "$work/$name.log" 2>&1; then
        cat "$work/$name.log" >&2
        fail "the $name configure failed"
    fi
    grep '"command":' "$work/$name/compile_commands.json" > "$work/$name.commands" || fail "the $name configure has no compile commands"
}
source_file() { sed 's/.* \([^ ]*\.cpp\)".*/\1/' "$@"; }

configure plain -S "$src" -G Ninja -DCMAKE_BUILD_TYPE=Release
configure tests -S "$src" --preset tests

if grep -e '-Werror' "$work/plain.commands" > "$work/plain.werror"; then
    source_file "$work/plain.werror" >&2
    fail "the plain build makes warnings errors in the files above"
fi
grep -q -e '-Wall' "$work/plain.commands" || fail "the plain build asks for no warnings"
if grep -v -e '-Werror' "$work/tests.commands" > "$work/tests.lax"; then
    source_file "$work/tests.lax" >&2
    fail "the tests preset leaves warnings mere warnings in the files above (does their target call quorvel_warnings?)"
fi
echo "ok: $(wc -l < "$work/plain.commands") plain compile commands without -Werror, $(wc -l < "$work/tests.commands") under the tests preset with it"
