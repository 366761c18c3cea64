#!/usr/bin/env bash
# Runs every benchmark program of a build folder, reporting medians.
set -euo pipefail
build=${1:?build folder}
export LUM_MESSAGE_BOX=ok ALSOFT_DRIVERS=null
for b in "$build"/bench/bench_*; do
    [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    if [[ "$b" == *_gui ]] || [[ "$(basename "$b")" == bench_screen* ]]; then
        xvfb-run -a -s "-screen 0 1280x1024x24" "$b" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true --benchmark_enable_random_interleaving=true
    else
        "$b" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true --benchmark_enable_random_interleaving=true
    fi
done
if [ -x "$build/bench/frame_idle_app" ] && [ -x "$build/bench/glfw_idle_baseline" ]; then
    echo "== frame_bench"
    "$(dirname "$0")/../bench/frame_bench.sh" "$build"
fi
if [ -x "$build/bindwell/bindwell" ] && [ -x "$build/bench/glfw_idle_baseline" ]; then
    echo "== bindwell_bench"
    "$(dirname "$0")/../bench/bindwell_bench.sh" "$build"
fi
if [ -x "$build/bench/bench_var" ] && command -v python3 >/dev/null; then
    echo "== var ratios"
    python3 "$(dirname "$0")/../bench/var_ratios.py" "$build"
fi
