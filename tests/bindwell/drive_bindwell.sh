#!/usr/bin/env bash
# Runs the built Bindwell on the current display in folder WORK and plays one
# scenario on it with xdotool and a virtual joypad file. The program's streams
# go to WORK/out.txt and WORK/err.txt; this script prints the window's size
# and the program's exit status for the test to check.
set -uo pipefail
program=${1:?program}
work=${2:?work folder}
scenario=${3:?scenario}
wm_close=${4:-}
cd "$work"
mkdir -p home/Desktop
pads="$work/pads.txt"
case "$scenario" in
    savefail) mkdir -p Save/joypad.yaml ;;
esac
case "$scenario" in
    axis) printf 'plug 0 2 16 Stick Pad\n' > "$pads" ;;
    *) printf 'plug 0 0 16 Pad A\nplug 1 0 16 Pad B\n' > "$pads" ;;
esac

HOME="$work/home" LUM_VIRTUAL_JOYPADS="$pads" LUM_MESSAGE_BOX=ok ALSOFT_DRIVERS=null \
    "$program" > out.txt 2> err.txt &
pid=$!
trap 'kill -9 $pid 2>/dev/null' EXIT

# Waits up to ten seconds for a line on the program's standard output.
wait_for() {
    for _ in $(seq 200); do
        grep -qF -- "$1" out.txt && return 0
        sleep 0.05
    done
    echo "timeout waiting for: $1"
    kill -9 "$pid"
    exit 1
}
tap() {
    printf 'press 0 %d\n' "$1" >> "$pads"
    sleep 0.05
    printf 'release 0 %d\n' "$1" >> "$pads"
}

window=""
for _ in $(seq 200); do
    window=$(xdotool search --name '^Halvane Bindwell$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.05
done
[ -n "$window" ] || { echo "no window"; exit 1; }
xdotool getwindowgeometry "$window" | sed -n 's/ *Geometry: /geometry /p'
wait_for "100 Begin Program"
# The keyboard is not read for 15 frames after the window gets the focus.
sleep 0.6
key() { xdotool key --window "$window" --delay 40 "$@"; }

case "$scenario" in
    configure | savefail)
        key Return
        prompts=(RIGHT UP DOWN A B X Y PREV NEXT SELECT START)
        wait_for "CONFIG JOYPAD1 - LEFT"
        i=0
        for button in 12 13 14 15 2 1 3 0 4 5 8 9; do
            tap "$button"
            if [ $i -lt 11 ]; then wait_for "CONFIG JOYPAD1 - ${prompts[$i]}"; fi
            i=$((i + 1))
        done
        if [ "$scenario" = savefail ]; then
            wait_for "SAVE FAILED!"
        else
            wait_for "CONFIG SAVED!"
            xdotool keydown --window "$window" ctrl alt s
            xdotool keyup --window "$window" s
            xdotool keyup --window "$window" ctrl alt
            wait_for "Screenshot"
        fi
        key q
        ;;
    escape)
        # Four rows answered, then Escape at the fifth prompt.
        key Return
        wait_for "CONFIG JOYPAD1 - LEFT"
        for step in "12 RIGHT" "13 UP" "14 DOWN" "15 A"; do
            set -- $step
            tap "$1"
            wait_for "CONFIG JOYPAD1 - $2"
        done
        key Escape
        wait_for "ABORT"
        key q
        ;;
    axis)
        key Return
        wait_for "CONFIG JOYPAD1 - LEFT"
        printf 'axis 0 1 -1\n' >> "$pads"
        wait_for "CONFIG JOYPAD1 - RIGHT"
        for prompt in UP DOWN A B X Y PREV NEXT SELECT START; do
            key space
            wait_for "CONFIG JOYPAD1 - $prompt"
        done
        key space
        wait_for "CONFIG SAVED!"
        key q
        ;;
    close)
        key Return
        wait_for "CONFIG JOYPAD1 - LEFT"
        key Escape
        wait_for "ABORT"
        sleep 0.3
        kill -0 "$pid" && echo "running after escape"
        "$wm_close" "Halvane Bindwell"
        ;;
    quit)
        key q
        ;;
esac
for _ in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
done
kill -0 "$pid" 2>/dev/null && { echo "still running"; kill -9 "$pid"; }
wait "$pid"
echo "status $?"
trap - EXIT
