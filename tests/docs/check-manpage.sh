#!/bin/sh
# The manual page as groff and man read it: groff finds nothing to warn
# about, and man shows the options as kp --help names them.
set -eu
page=$1
kp=$2
warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
if [ -n "$warnings" ]; then
    echo "groff warns about $page:"
    echo "$warnings"
    exit 1
fi
command -v man >/dev/null 2>&1 || exit 0
shown=$(MANWIDTH=100 man -l "$page")
for option in $("$kp" --help | sed -n 's/^  \(--[a-z-]*\).*/\1/p'); do
    if ! printf '%s\n' "$shown" | grep -q -e "$option"; then
        echo "man -l $page does not show $option"
        exit 1
    fi
done
