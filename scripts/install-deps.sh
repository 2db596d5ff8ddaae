#!/bin/sh
# Installs the Debian packages that Quorvel needs, if any is missing. Name what for: "desktop"
# builds and runs the program, "test" runs every test, "web" builds and serves the web edition.
set -eu

packages=""
for part in "$@"; do
    case $part in
        desktop) packages="$packages cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins libxcb1-dev libpng-dev librsvg2-bin
                           fonts-liberation fonts-dejavu-core qt6-tools-dev qt6-l10n-tools qt6-translations-l10n" ;;
        test) packages="$packages libgtest-dev xvfb libx11-dev libxtst-dev dpkg-dev file appstream desktop-file-utils clang
                        libclang-rt-14-dev nlohmann-json3-dev libxml2-utils netpbm qt6-base-private-dev emscripten terser librsvg2-bin pngquant zopfli chromium firefox-esr nodejs busybox" ;;
        web) packages="$packages cmake ninja-build emscripten terser librsvg2-bin pngquant zopfli busybox nodejs" ;;
        *) echo "install-deps.sh: no such part: $part" >&2; exit 2 ;;
    esac
done
# The browser tests install their driver with npm, which may have come with Node.js itself.
case " $* " in *" test "*) command -v npm >/dev/null 2>&1 || packages="$packages npm" ;; esac

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null | grep -qx installed; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

as_root=""
[ "$(id -u)" -ne 0 ] && as_root="sudo"
echo "Installing:$missing"
$as_root apt-get update -q
# shellcheck disable=SC2086 # the package list is meant to split into words
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $missing
