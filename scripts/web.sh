#!/bin/sh
# Builds the web edition of Quorvel and serves it on this machine; PORT chooses the port.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh web
scripts/build-web.sh
port=${PORT:-8080}
# The server must name WebAssembly's type, or browsers compile it the slow way.
printf '.wasm:application/wasm\n.js:text/javascript\n' > build-web/httpd.conf
echo "Quorvel is served at http://127.0.0.1:$port/ (Ctrl+C ends it)"
exec busybox httpd -f -p "127.0.0.1:$port" -h build-web/web -c "$PWD/build-web/httpd.conf"
