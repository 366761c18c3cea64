#!/usr/bin/env bash
# Runs the CTest suite of one build folder: the tests that need no display
# first, then the gui tests under Xvfb with Mesa's software OpenGL.
set -euo pipefail
build=${1:?build folder}
export LUM_MESSAGE_BOX=ok
export ALSOFT_DRIVERS=null
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
jobs=$(nproc)

env -u DISPLAY -u WAYLAND_DISPLAY ctest --test-dir "$build" -LE gui --output-on-failure -j "$jobs"
if ctest --test-dir "$build" -L gui -N | grep -q 'Total Tests: [1-9]'; then
    # Mesa's driver is unloaded at exit, which LeakSanitizer reports as a leak.
    # Without -noreset the server resets whenever its last client leaves, and a
    # program started during the reset cannot open the display.
    ASAN_OPTIONS=detect_leaks=0 LIBGL_ALWAYS_SOFTWARE=1 \
        xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
        ctest --test-dir "$build" -L gui --output-on-failure -j 1
fi
