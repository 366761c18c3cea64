#!/usr/bin/env bash
# Runs Bindwell. With a display it opens the window and the user takes over.
# Without one it shows what the utility does: it runs on a virtual display
# (Xvfb) with two virtual joypads, configures the first one by pressing its
# buttons, saves a screenshot of the new table, prints where it went and
# quits. Without a sound card the program itself turns to a silent device.
set -euo pipefail
program=$(realpath "${1:?program}")
shift

if [ -n "${DISPLAY:-}" ]; then
    exec "$program" "$@"
fi

echo "run: no display; showing Bindwell on a virtual display (Xvfb) with two virtual joypads"
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$(dirname "$0")/demo.sh" "$program"
