#!/bin/sh
# Fails when a tracked C++ file differs from what clang-format makes of it
# (.clang-format at the top of the tree). Run with --fix to rewrite them.
set -eu
cd "$(dirname "$0")/.."
FORMAT=${CLANG_FORMAT:-clang-format-14}
command -v "$FORMAT" >/dev/null 2>&1 || FORMAT=clang-format
files=$(git ls-files '*.cpp' '*.h' | grep -v '^tests/fuzz_regressions/' || true)
if [ "${1:-}" = "--fix" ]; then
    echo "$files" | xargs "$FORMAT" -i
else
    echo "$files" | xargs "$FORMAT" --dry-run -Werror
fi
