#!/bin/sh
# Installs what Kp needs to build and test on Debian 12 (or a close relative).
# Does nothing when everything is present. Uses apt-get as root, sudo otherwise.
set -eu

PACKAGES="cmake ninja-build g++ make qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
libbenchmark-dev locales ccache groff-base man-db clang-format-14 \
dpkg-dev desktop-file-utils libxml2-utils shared-mime-info libglib2.0-bin \
pybind11-dev python3-dev python3-numpy python3-pytest"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

need_locale=0
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    need_locale=1
fi

if [ -z "$missing" ] && [ "$need_locale" -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "install-deps: missing packages:$missing; run as root or install sudo" >&2
    exit 1
fi

if [ -n "$missing" ]; then
    echo "install-deps: installing$missing"
    $SUDO apt-get update -q
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $missing
fi

# A decimal-comma locale for the locale tests.
if [ "$need_locale" -eq 1 ]; then
    if [ -f /etc/locale.gen ] && ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen; then
        echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    fi
    $SUDO locale-gen >/dev/null 2>&1 || $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8 || true
fi
