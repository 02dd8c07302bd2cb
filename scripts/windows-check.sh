#!/bin/sh
# The Windows check: cross-compiles the Qt-free part (kpcore, the recording
# writer, the core tests and a command-line kp.exe) with mingw-w64, runs the
# core tests under wine, and converts recordings of every family with
# `kp.exe /CONV` under wine and with the Linux kp, with the same switches:
# the texts must be equal byte for byte.
#
#   scripts/windows-check.sh [LINUX_BUILD]
#
# LINUX_BUILD (default: build) holds the Linux kp and kp-synth; they are
# built there when missing. Everything for Windows goes to build-win/.
set -eu
cd "$(dirname "$0")/.."
ROOT=$(pwd)
LINUX_BUILD=${1:-build}
WIN_BUILD=$ROOT/build-win
JOBS=${JOBS:-2}

step_start=0
step() {
    step_start=$(date +%s)
    echo "windows-check: $1"
}
step_done() {
    echo "windows-check: ... $(($(date +%s) - step_start)) s"
}

step "installing what is missing"
./scripts/install-windows-deps.sh
step_done

TOOLCHAIN=$ROOT/cmake/mingw-w64.cmake
LAUNCHER=""
if command -v ccache >/dev/null 2>&1; then
    LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
fi

# GoogleTest for the target, from the sources Debian ships; built once.
GTEST_PREFIX=$WIN_BUILD/googletest-install
if [ ! -f "$GTEST_PREFIX/lib/cmake/GTest/GTestConfig.cmake" ]; then
    step "building GoogleTest for Windows"
    # shellcheck disable=SC2086
    cmake -S /usr/src/googletest -B "$WIN_BUILD/googletest" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_INSTALL_PREFIX="$GTEST_PREFIX" -DBUILD_GMOCK=OFF $LAUNCHER >/dev/null
    cmake --build "$WIN_BUILD/googletest" -j "$JOBS"
    cmake --install "$WIN_BUILD/googletest" >/dev/null
    step_done
fi

step "building kpcore, kp-synth, kp_tests and kp.exe for Windows"
cmake -S . -B "$WIN_BUILD" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DKP_BUILD_GUI=OFF -DKP_BUILD_BENCH=OFF \
    -DGTest_DIR="$GTEST_PREFIX/lib/cmake/GTest" >/dev/null
cmake --build "$WIN_BUILD" -j "$JOBS"
step_done

if [ ! -x "$LINUX_BUILD/src/kp" ] || [ ! -x "$LINUX_BUILD/tools/synth/kp-synth" ]; then
    step "building the Linux kp and kp-synth in $LINUX_BUILD"
    cmake -S . -B "$LINUX_BUILD" -G Ninja >/dev/null
    cmake --build "$LINUX_BUILD" -j "$JOBS" --target kp kp-synth
    step_done
fi

WINE=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEDEBUG=-all
export WINEPREFIX="$WIN_BUILD/wine"
export WINEARCH=win64
# No installers for .NET and HTML rendering: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="
# One locale for both sides, with a decimal comma, so that the separators
# and the date and time pictures take their paths through the locale code.
# scripts/install-deps.sh generates de_DE.UTF-8.
export LANG=de_DE.UTF-8
export LC_ALL=de_DE.UTF-8

# Wine shows the Unix root as drive Z:.
winepath_of() {
    echo "Z:$1" | tr / '\\'
}

step "starting wine (the first start creates $WINEPREFIX)"
"$WINE" cmd /c exit 0 >/dev/null 2>&1 || true
# Wine's German short date is "d.M.yyyy", glibc's (and Windows' own)
# "dd.MM.yyyy": set it as a user of the regional settings would, which also
# takes the user's override through the locale code.
"$WINE" reg add 'HKCU\Control Panel\International' /v sShortDate /d dd.MM.yyyy /f >/dev/null 2>&1 || true
# A resident server saves every later start its set-up.
"$WINESERVER" -p 60 || true
step_done

WORK=$WIN_BUILD/check
rm -rf "$WORK"
mkdir -p "$WORK/records" "$WORK/config"

status=0
step "core tests under wine"
(cd "$WORK" && "$WINE" "$WIN_BUILD/tests/kp_tests.exe" --gtest_brief=1) || status=1
step_done

step "converting every family with kp.exe and the Linux kp"
SYNTH=$LINUX_BUILD/tools/synth/kp-synth
# Several switch sets, so that each time column, separator, newline and
# header choice crosses the platform seams.
SWITCH_SETS="
-CSV -CRLF -SEC
-TAB -LF -DATE -CHHEADCOMM
-SPACE -TIME -THINOUT 7
-CSV -POINT -NOSTOREHEAD -NOEVENT
-TAB -NOHEAD -LF
"
converted=0
for family in 0 1 2 3 4 5 6 7 8 9; do
    for function in MEM REC; do
        name="F${family}${function}"
        source=$WORK/records/$name.$function
        if ! "$SYNTH" family "$family" "$source" "$function" 2000 "$((family + 11))" 2>/dev/null; then
            echo "windows-check: the recording writer has no $function recording of family $family"
            continue
        fi
        set_number=0
        echo "$SWITCH_SETS" | while read -r switches; do
            [ -n "$switches" ] || continue
            set_number=$((set_number + 1))
            linux_out=$WORK/linux/$name/$set_number
            windows_out=$WORK/windows/$name/$set_number
            mkdir -p "$linux_out" "$windows_out"
            linux_rc=0
            windows_rc=0
            # shellcheck disable=SC2086
            XDG_CONFIG_HOME=$WORK/config "$LINUX_BUILD/src/kp" -CONV "$source" -DEST "$linux_out" $switches \
                2>/dev/null || linux_rc=$?
            # shellcheck disable=SC2086
            "$WINE" "$WIN_BUILD/src/kp.exe" /CONV "$(winepath_of "$source")" /DEST "$(winepath_of "$windows_out")" \
                $(echo $switches | sed 's/-/\//g') </dev/null 2>/dev/null || windows_rc=$?
            # A recording that one side refuses, the other must refuse too.
            if [ "$linux_rc" -ne "$windows_rc" ] || ! diff -r -q "$linux_out" "$windows_out" >/dev/null; then
                echo "windows-check: $name with $switches: Linux exit $linux_rc, Windows exit $windows_rc" >&2
                diff -r "$linux_out" "$windows_out" | head -5 >&2
                exit 1
            fi
        done || status=1
        converted=$((converted + 1))
    done
done
echo "windows-check: $converted recordings, $(find "$WORK/linux" -type f | wc -l) texts equal to the byte" \
    "(a recording both refuse writes none)"
step_done

"$WINESERVER" -k || true
if [ "$status" -ne 0 ]; then
    echo "windows-check: FAILED" >&2
    exit 1
fi
echo "windows-check: passed"
