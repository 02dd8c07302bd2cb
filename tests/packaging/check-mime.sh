#!/bin/sh
# Registers Kp's file types in a temporary data folder, beside the system's
# own, and asks the desktop's type detection about written files: every
# family's recording is Kp's by content even under a ".WAV" name, while an
# ordinary RIFF audio file stays audio and a streaming-media ".rms" keeps its
# type.
set -eu
xml=$1
synth=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/share/mime/packages" "$tmp/f"
cp "$xml" "$tmp/share/mime/packages/kp.xml"
# It reports a rule it cannot read and goes on: any word from it fails here.
complaints=$(XDG_DATA_HOME="$tmp/share" update-mime-database "$tmp/share/mime" 2>&1)
[ -z "$complaints" ] || { echo "update-mime-database: $complaints"; exit 1; }

type_of() {
    XDG_DATA_HOME="$tmp/share" XDG_DATA_DIRS="${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" \
        gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'
}

failed=0
expect() {
    got=$(type_of "$tmp/f/$1")
    if [ "$got" != "$2" ]; then
        echo "$1: $got, expected $2"
        failed=1
    fi
}

for family in 0 1 2 3 4 5 6 7 8 9; do
    "$synth" family "$family" "$tmp/f/F$family.WAV" MEM 200
    expect "F$family.WAV" application/x-kp-recording
done
for function in MEM REC RMS POW; do
    "$synth" family 1 "$tmp/f/A.$function" "$function" 200
    expect "A.$function" application/x-kp-recording
done
cp "$tmp/f/A.MEM" "$tmp/f/no-extension"
expect no-extension application/x-kp-recording
printf 'HIS' >"$tmp/f/L.SEQ"
expect L.SEQ application/x-kp-index

printf 'RIFF\044\0\0\0WAVEfmt \020\0\0\0\001\0\001\0\104\254\0\0\210\130\001\0\002\0\020\0data\0\0\0\0' >"$tmp/f/sound.wav"
expect sound.wav audio/x-wav
printf '.RMF\0\0\0\022\0\001\0\0\0\0\0\0\0\0' >"$tmp/f/stream.rms"
expect stream.rms application/vnd.rn-realmedia
exit "$failed"
