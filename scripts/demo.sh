#!/usr/bin/env bash
# Drives Bindwell on the current (virtual) display: plugs two virtual joypads
# of 16 buttons, configures the first by pressing a button at each of the
# twelve prompts, saves a screenshot of the table and quits with Q.
set -euo pipefail
program=${1:?program}
export LUM_MESSAGE_BOX=${LUM_MESSAGE_BOX:-ok}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pads="$work/joypads.txt"
desktop="$work/Desktop"
mkdir -p "$desktop"
printf 'plug 0 0 16 Virtual Pad A\nplug 1 2 16 Virtual Pad B\n' > "$pads"

# The screenshot goes to the desktop folder: $HOME/Desktop here.
LUM_VIRTUAL_JOYPADS="$pads" HOME="$work" "$program" > "$work/out.txt" 2>&1 &
pid=$!

window=""
for _ in $(seq 100); do
    window=$(xdotool search --name '^Halvane Bindwell$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "run: Bindwell did not open its window:" >&2
    cat "$work/out.txt" >&2
    exit 1
fi

key() { xdotool key --window "$window" --delay 40 "$@"; sleep 0.2; }
tap() { printf 'press 0 %d\n' "$1" >> "$pads"; sleep 0.1; printf 'release 0 %d\n' "$1" >> "$pads"; sleep 0.15; }

# The keyboard is ignored for a moment after the window gets focus.
sleep 1
key Return
for button in 12 13 14 15 2 1 3 0 4 5 8 9; do
    tap "$button"
done
sleep 0.3
xdotool keydown --window "$window" ctrl alt s
xdotool keyup --window "$window" s
xdotool keyup --window "$window" ctrl alt
sleep 0.5
key q
wait "$pid" || true

grep -E 'CONFIG SAVED!|SAVE FAILED!|ABORT' "$work/out.txt" || true
shot=$(ls "$desktop"/halvane-screenshot-*.png 2>/dev/null | head -n 1 || true)
if [ -z "$shot" ]; then
    echo "run: no screenshot was written; the program said:" >&2
    cat "$work/out.txt" >&2
    exit 1
fi
mkdir -p build
cp "$shot" build/
echo "run: Save/joypad.yaml now holds the first joypad's bindings:"
cat Save/joypad.yaml
echo "run: screenshot of the new table: $(realpath "build/$(basename "$shot")")"
