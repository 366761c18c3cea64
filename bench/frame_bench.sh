#!/usr/bin/env bash
# The frame's idle cost and pacing, side by side with a bare GLFW program:
# both run REPS times, alternating, 600 measured frames each, in one Xvfb.
# Prints the median CPU time per second of each and their ratio, and the
# median over the runs of the frame period's median and 99th percentile.
# Usage: bench/frame_bench.sh BUILD [REPS]   (starts Xvfb itself when needed)
set -euo pipefail
build=${1:?build folder}
reps=${2:-5}
export LUM_MESSAGE_BOX=ok ALSOFT_DRIVERS=null LIBGL_ALWAYS_SOFTWARE=1
if [ -z "${FRAME_BENCH_IN_XVFB:-}" ]; then
    FRAME_BENCH_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

field() { sed -n "s/.* $1=\([0-9.]*\).*/\1/p"; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

base_cpu=() app_cpu=() app_median=() app_p99=() base_median=() base_p99=()
for ((i = 1; i <= reps; i++)); do
    b=$("$build/bench/glfw_idle_baseline" 600 | grep '^result')
    a=$("$build/bench/frame_idle_app" 600 | grep '^result')
    base_cpu+=("$(field cpu_ms_per_s <<<"$b")") base_median+=("$(field median_ms <<<"$b")")
    base_p99+=("$(field p99_ms <<<"$b")")
    app_cpu+=("$(field cpu_ms_per_s <<<"$a")") app_median+=("$(field median_ms <<<"$a")")
    app_p99+=("$(field p99_ms <<<"$a")")
    echo "run $i: glfw $b | app $a" >&2
done

bc=$(printf '%s\n' "${base_cpu[@]}" | median)
ac=$(printf '%s\n' "${app_cpu[@]}" | median)
printf '%-28s %12s %12s\n' "medians of $reps runs" "bare GLFW" "lum App"
printf '%-28s %12.1f %12.1f\n' "CPU ms per second" "$bc" "$ac"
printf '%-28s %12.3f %12.3f\n' "frame period median (ms)" "$(printf '%s\n' "${base_median[@]}" | median)" \
    "$(printf '%s\n' "${app_median[@]}" | median)"
printf '%-28s %12.3f %12.3f\n' "frame period p99 (ms)" "$(printf '%s\n' "${base_p99[@]}" | median)" \
    "$(printf '%s\n' "${app_p99[@]}" | median)"
awk -v a="$ac" -v b="$bc" 'BEGIN { printf "%-28s %25.2f\n", "CPU ratio App / GLFW", a / b }'
