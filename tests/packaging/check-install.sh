#!/bin/sh
# Installs the build into a temporary root as a package would and runs the
# installed program: its version and one conversion must equal those of the
# build tree, and the desktop files must land where desktops look for them.
set -eu
build=$1
synth=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_CONFIG_HOME="$tmp/config"

DESTDIR="$tmp/root" cmake --install "$build" --prefix /usr >/dev/null
root="$tmp/root/usr"
for f in bin/kp share/man/man1/kp.1.gz share/applications/kp.desktop share/icons/hicolor/scalable/apps/kp.svg \
    share/mime/packages/kp.xml share/doc/kp/README.md; do
    [ -f "$root/$f" ] || { echo "not installed: $f"; exit 1; }
done
for f in kp-synth kp-docs kp_tests kp_gui_tests; do
    [ ! -e "$root/bin/$f" ] || { echo "installed but only for development: $f"; exit 1; }
done

installed=$("$root/bin/kp" --version)
built=$("$build/src/kp" --version)
[ "$installed" = "$built" ] || { echo "kp --version: installed '$installed', built '$built'"; exit 1; }

"$synth" family 1 "$tmp/A.MEM" MEM 2000 7
mkdir "$tmp/installed" "$tmp/built"
"$root/bin/kp" /CONV "$tmp/A.MEM" /DEST "$tmp/installed" /TAB /LF
"$build/src/kp" /CONV "$tmp/A.MEM" /DEST "$tmp/built" /TAB /LF
cmp "$tmp/installed/A.TXT" "$tmp/built/A.TXT"
[ -s "$tmp/installed/A.TXT" ] || { echo "the installed kp wrote an empty conversion"; exit 1; }

gzip -dc "$root/share/man/man1/kp.1.gz" | cmp - "$build/kp.1"
