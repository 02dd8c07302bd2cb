#!/bin/sh
# Builds the Debian package from the built tree into a temporary folder and
# reads it back: the program and its desktop files are in it, nothing that is
# only for development is, and the Qt libraries it links are dependencies.
set -eu
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; exit 1; }
set -- "$tmp"/kp_*.deb
[ "$#" -eq 1 ] && [ -f "$1" ] || { echo "no single kp_*.deb in the output:"; ls "$tmp"; exit 1; }
deb=$1
case $(basename "$deb") in
kp_[0-9]*.[0-9]*_"$(dpkg --print-architecture)".deb) ;;
*) echo "package name $(basename "$deb") is not kp_<version>_<arch>.deb"; exit 1 ;;
esac

contents=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
for f in ./usr/bin/kp ./usr/share/man/man1/kp.1.gz ./usr/share/applications/kp.desktop \
    ./usr/share/icons/hicolor/scalable/apps/kp.svg ./usr/share/mime/packages/kp.xml ./usr/share/doc/kp/README.md; do
    printf '%s\n' "$contents" | grep -qx -e "$f" || { echo "not in the package: $f"; exit 1; }
done
if printf '%s\n' "$contents" | grep -E 'kp-synth|kp-docs|kp_tests|kp_gui_tests|/bench|/include/|\.a$'; then
    echo "the package holds files only for development (above)"
    exit 1
fi

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6widgets6 libqt6gui6 libc6 libstdc++6; do
    printf '%s\n' "$depends" | grep -q -e "$lib" || { echo "Depends lacks $lib: $depends"; exit 1; }
done
