#!/bin/sh
# Builds the Debian package from a built tree and checks its dependencies and contents.
set -eu
build=$1
output=$(mktemp -d)
trap 'rm -rf "$output"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$output" >/dev/null
set -- "$output"/quorvel_*.deb
[ -f "$1" ] || fail "no package was made"
package=$1

[ "$(dpkg-deb -f "$package" Package)" = quorvel ] || fail "package has another name"
depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
# The toolkit's libraries come from the binary; the platform plugins are named by hand.
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    case ", $depends," in
        *", $needed "* | *", $needed,"*) ;;
        *) fail "package does not depend on $needed" ;;
    esac
done

contents=$(dpkg-deb -c "$package")
for path in ./usr/bin/quorvel \
            ./usr/share/applications/example.quorvel.Quorvel.desktop \
            ./usr/share/icons/hicolor/scalable/apps/example.quorvel.Quorvel.svg \
            ./usr/share/metainfo/example.quorvel.Quorvel.metainfo.xml; do
    echo "$contents" | grep -q " $path\$" || fail "package lacks $path"
done
echo "package $(basename "$package") is complete"
