#!/bin/sh
# Installs the built package with apt as a user would, checks that the
# program runs, its manual page is found and the desktop's MIME and
# application caches know its file types (updated by the triggers of
# shared-mime-info and desktop-file-utils), then removes it again.
# Usage: scripts/check-package-install.sh [BUILD]
set -eu
build=${1:-build}
set -- "$build"/kp_*.deb
[ "$#" -eq 1 ] && [ -f "$1" ] || { echo "check-package-install: no single $build/kp_*.deb; run make package" >&2; exit 1; }
deb=$(realpath "$1")
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

$SUDO apt-get install -y -q "$deb" >/dev/null
status=0
check() {
    if ! "$@" >/dev/null 2>&1; then
        echo "check-package-install: failed: $*" >&2
        status=1
    fi
}
check test "$(/usr/bin/kp --version)" = "$("$build/src/kp" --version)"
check man -w kp
check grep -q '^application/x-kp-recording$' /usr/share/mime/types
check grep -q 'application/x-kp-index=.*kp.desktop' /usr/share/applications/mimeinfo.cache
$SUDO apt-get remove -y -q kp >/dev/null
[ "$status" -eq 0 ] && echo "check-package-install: $(basename "$deb") installs, runs and registers its file types"
exit "$status"
