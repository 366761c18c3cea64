#!/usr/bin/env bash
# Runs Bindwell. On a machine without a display it runs under Xvfb; on one
# without a sound card it uses OpenAL Soft's silent device, and says so.
set -euo pipefail
program=${1:?program}
if ! grep -q '^ *[0-9]*: \[' /proc/asound/cards 2>/dev/null && [ -z "${ALSOFT_DRIVERS:-}" ]; then
    echo "run: no sound card found; using OpenAL Soft's silent device (ALSOFT_DRIVERS=null)"
    export ALSOFT_DRIVERS=null
fi
if [ -z "${DISPLAY:-}" ]; then
    echo "run: no display; running under Xvfb with message boxes answered OK (LUM_MESSAGE_BOX=ok)"
    export LUM_MESSAGE_BOX=${LUM_MESSAGE_BOX:-ok}
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$program" "$@"
fi
exec "$program" "$@"
