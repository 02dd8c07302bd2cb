#!/bin/sh
# Renews docs/screenshot.png: the demo recording, written by the recording
# writer, as the viewer shows it with default settings; and beside it the
# same with the panes on and the black background scheme.
set -eu
BUILD=${1:-build}
OUT=${2:-docs/screenshot.png}
DEMO_DIR=${KP_DEMO_DIR:-$BUILD/demo}
mkdir -p "$DEMO_DIR"
"$BUILD/tools/synth/kp-synth" demo "$DEMO_DIR/DEMO.MEM"
"$BUILD/src/kp" --screenshot "$OUT" "$DEMO_DIR/DEMO.MEM"
echo "$OUT"
# The panes and the black background, as the View menu's commands give them.
BLACK="$(dirname "$OUT")/screenshot-black.png"
"$BUILD/src/kp" --screenshot "$BLACK" "$DEMO_DIR/DEMO.MEM" --show title,gauge,remarks --scheme black
echo "$BLACK"
