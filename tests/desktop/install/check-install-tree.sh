#!/bin/sh
# Installs a built tree into a staging folder, as a package would under /usr, and checks that the
# desktop finds everything there: the program, its menu entry, its icon and its catalogue entry.
set -eu
build=$1
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

DESTDIR="$staging" cmake --install "$build" --prefix /usr >/dev/null
usr="$staging/usr"
id=example.quorvel.Quorvel
desktop="$usr/share/applications/$id.desktop"
metainfo="$usr/share/metainfo/$id.metainfo.xml"

[ -x "$usr/bin/quorvel" ] || fail "no program in bin"
[ -f "$desktop" ] || fail "no desktop file"
[ -f "$metainfo" ] || fail "no metainfo file"
desktop-file-validate "$desktop" || fail "desktop file does not validate"
appstreamcli validate --no-net "$metainfo" || fail "metainfo does not validate"

command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$usr/bin/$command" ] || fail "menu entry runs '$command', which is not in bin"
icon=$(sed -n 's/^Icon=//p' "$desktop")
grep -q '<svg' "$usr/share/icons/hicolor/scalable/apps/$icon.svg" || fail "no scalable icon named '$icon'"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo launches another desktop file"
grep -q "<binary>$command</binary>" "$metainfo" || fail "metainfo provides another binary"

if ldd "$usr/bin/quorvel" | grep 'not found'; then fail "the program misses libraries"; fi
# A program that started is still running when the time is up (status 124); one that failed to
# start has ended with its own status by then.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$usr/bin/$command" || status=$?
[ "$status" -eq 124 ] || fail "the installed program ended at once with status $status"
echo "installed tree is complete"
