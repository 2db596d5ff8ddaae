#!/bin/sh
# Installs the Debian packages that building, running and testing Quorvel need, if any is missing.
set -eu

packages="cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins libpng-dev libgtest-dev
          librsvg2-bin xvfb libx11-dev libxtst-dev fonts-liberation fonts-dejavu-core
          dpkg-dev file appstream desktop-file-utils clang libclang-rt-14-dev"

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
