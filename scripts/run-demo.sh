#!/bin/sh
# Writes the demo recording and opens it in the viewer; without a display it
# converts the recording unattended and prints the output's first lines.
set -eu
BUILD=${1:-build}
DEMO_DIR=${KP_DEMO_DIR:-$BUILD/demo}
mkdir -p "$DEMO_DIR"
"$BUILD/tools/synth/kp-synth" demo "$DEMO_DIR/DEMO.MEM"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$BUILD/src/kp" "$DEMO_DIR/DEMO.MEM"
fi
echo "No display: converting the demo recording instead."
rm -f "$DEMO_DIR"/DEMO*.CSV
"$BUILD/src/kp" /CONV "$DEMO_DIR/DEMO.MEM" /DEST "$DEMO_DIR"
OUT="$DEMO_DIR/DEMO.CSV"
echo "$OUT"
head -n 20 "$OUT"
