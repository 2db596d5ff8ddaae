#!/bin/sh
# scripts/web.sh, serving a stand-in page: with its port taken it says so in one line and fails;
# with the port free it shows the address only once the page answers there, and Ctrl+C ends
# the server. Usage: check-web-serve.sh path/to/web.sh
set -eu
web_sh=${1:?usage: check-web-serve.sh path/to/web.sh}
work=$(mktemp -d)
pids=""
cleanup() {
    for pid in $pids; do kill -TERM "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; for file in "$work"/out "$work"/err; do [ -f "$file" ] && sed 's/^/  | /' "$file" >&2; done; exit 1; }
listens() { busybox nc -w 1 127.0.0.1 "$1" </dev/null >/dev/null 2>&1; }
closed() { ! listens "$1"; }
ended() { ! kill -0 "$1" 2>/dev/null; }
# Waits up to 10 s for a condition given as a command.
eventually() { tries=100; until "$@"; do tries=$((tries - 1)); [ "$tries" -gt 0 ] || return 1; sleep 0.1; done; }

mkdir "$work/page"
echo '<title>stand-in page</title>' > "$work/page/index.html"
export QUORVEL_PAGE="$work/page"

port=""
for _ in 1 2 3 4 5 6 7 8 9 10; do
    candidate=$((20000 + $(od -An -N2 -tu2 /dev/urandom) % 30000))
    if ! listens "$candidate"; then port=$candidate; break; fi
done
[ -n "$port" ] || fail "found no free port"
export PORT="$port"

# The port taken by another server.
busybox httpd -f -p "127.0.0.1:$port" -h "$work/page" &
holder=$!
pids="$holder"
eventually listens "$port" || fail "the holding server did not listen on $port"
status=0
timeout 30 sh "$web_sh" > "$work/out" 2> "$work/err" < /dev/null || status=$?
[ "$status" -ne 124 ] || fail "web.sh did not end when port $port was taken"
[ "$status" -ne 0 ] || fail "web.sh ended with status 0 when port $port was taken"
! grep -q 'served at' "$work/out" "$work/err" || fail "web.sh showed the address of a port another server holds"
[ "$(cat "$work/out" "$work/err" | wc -l)" -eq 1 ] || fail "web.sh said more than one line when port $port was taken"
grep -q "port $port" "$work/err" || fail "the message does not name port $port"
grep -q 'PORT' "$work/err" || fail "the message does not tell how to choose another port"
kill "$holder"
wait "$holder" || true
eventually closed "$port" || fail "the holding server did not end"

# The port free. web.sh runs in a process group of its own with Ctrl+C's signal in its default
# state, as a terminal would start it, so that the group can be sent that signal.
perl -e 'setpgrp(0, 0); $SIG{INT} = "DEFAULT"; exec @ARGV or die "exec: $!\n"' sh "$web_sh" \
    > "$work/out" 2> "$work/err" < /dev/null &
server=$!
pids="-$server"  # the whole group, its server too, should Ctrl+C fail to end it
address="http://127.0.0.1:$port/"
eventually grep -q 'served at' "$work/out" || fail "web.sh showed no address"
grep -qF "Quorvel is served at $address" "$work/out" || fail "web.sh showed another address than $address"
# One attempt, no retry: when the address shows, the page must already answer. (busybox
# 1.35's wget crashes with -T, hence timeout.)
timeout 10 busybox wget -q -O "$work/fetched" "${address}index.html" || fail "the page did not answer when the address showed"
cmp -s "$work/fetched" "$work/page/index.html" || fail "the server sent another index.html than the page's"

kill -INT "-$server"
eventually ended "$server" || fail "Ctrl+C did not end web.sh"
status=0
wait "$server" || status=$?
[ "$status" -ne 0 ] || fail "web.sh ended with status 0 on Ctrl+C"
eventually closed "$port" || fail "the server still listens after Ctrl+C"
echo "ok: port $port taken, free, and freed again by Ctrl+C"
