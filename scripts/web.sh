#!/bin/sh
# Builds the web edition of Quorvel and serves it on this machine; PORT chooses the port.
# QUORVEL_PAGE names a folder to serve as it is, without building (the tests serve a stand-in).
set -eu
cd "$(dirname "$0")/.."
port=${PORT:-8080}
page=${QUORVEL_PAGE:-}

listens() { busybox nc -w 1 127.0.0.1 "$port" </dev/null >/dev/null 2>&1; }
taken() {
    echo "web.sh: port $port is in use; choose another with PORT, e.g. PORT=$((port + 1)) sh scripts/web.sh" >&2
    exit 1
}
# Whatever answers there now is not this server, and the address would send the user to it;
# asked before the build, so as not to keep the user waiting for nothing.
command -v busybox >/dev/null 2>&1 && listens && taken
if [ -z "$page" ]; then
    scripts/install-deps.sh web
    scripts/build-web.sh
    page=build-web/page
fi

# The server must name WebAssembly's type, or browsers compile it the slow way, and the
# manifest's, which busybox does not know.
conf=$(mktemp) log=$(mktemp)
printf '.wasm:application/wasm\n.js:text/javascript\n.webmanifest:application/manifest+json\n' > "$conf"
busybox httpd -f -p "127.0.0.1:$port" -h "$page" -c "$conf" 2> "$log" &
server=$!
# A server started in the background ignores Ctrl+C, so the script ends it on its way out.
trap 'kill "$server" 2>/dev/null; rm -f "$conf" "$log"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# The address is shown once the server answers, and not at all if it could not listen.
until listens; do
    if ! kill -0 "$server" 2>/dev/null; then
        grep -q 'Address already in use' "$log" && taken
        cat "$log" >&2
        exit 1
    fi
    sleep 0.1
done
echo "Quorvel is served at http://127.0.0.1:$port/ (Ctrl+C ends it)"
status=0
wait "$server" || status=$?
cat "$log" >&2
exit "$status"
