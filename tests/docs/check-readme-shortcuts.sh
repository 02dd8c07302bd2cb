#!/bin/sh
# The README's keyboard and mouse table is the one kp-docs writes from the
# command table. To renew it, replace the lines between the two markers with
# the output of `kp-docs shortcuts`.
set -eu
readme=$1
docs=$2
begin='<!-- kp-docs shortcuts -->'
end='<!-- end kp-docs shortcuts -->'
[ "$(grep -c -x -e "$begin" "$readme")" -eq 1 ] && [ "$(grep -c -x -e "$end" "$readme")" -eq 1 ] || {
    echo "$readme needs exactly one '$begin' and one '$end' line"
    exit 1
}
table=$(sed -n "\\|^$begin\$|,\\|^$end\$|p" "$readme" | sed '1d;$d')
expected=$("$docs" shortcuts)
if [ "$table" != "$expected" ]; then
    echo "the shortcut table of $readme differs from kp-docs shortcuts:"
    printf '%s\n' "$expected" >"${TMPDIR:-/tmp}/kp-shortcuts.$$"
    printf '%s\n' "$table" | diff - "${TMPDIR:-/tmp}/kp-shortcuts.$$" || true
    rm -f "${TMPDIR:-/tmp}/kp-shortcuts.$$"
    exit 1
fi
