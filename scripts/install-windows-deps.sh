#!/bin/sh
# Installs what the Windows cross check needs on Debian 12 (or a close
# relative): the mingw-w64 compiler with POSIX threads (std::thread and
# std::mutex need them), wine to run what it builds, and the GoogleTest
# sources, which are built for the target. Does nothing when all is present.
set -eu

PACKAGES="g++-mingw-w64-x86-64-posix wine64 googletest cmake ninja-build ccache"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "install-windows-deps: missing packages:$missing; run as root or install sudo" >&2
    exit 1
fi
echo "install-windows-deps: installing$missing"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $missing
