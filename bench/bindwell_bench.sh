#!/usr/bin/env bash
# Bindwell beside a bare GLFW program (glfw_idle_baseline), REPS rounds
# alternating in one Xvfb:
#  - start-up: from exec to the first presented frame. Bindwell writes the
#    time of its first frame of each phase when LUM_FIRST_FRAME_STAMP is set
#    (the boot frame, then the first frame of its table); the bare program
#    opens the same 512 x 448 window, presents one frame and writes the same line.
#  - idle: CPU time per second of wall time over IDLE seconds, read from
#    /proc/PID/stat once Bindwell stands at its table (the bare program paces
#    16 ms frames meanwhile), and the peak resident memory (VmHWM) at the end.
# Prints the medians side by side and the ratios.
# Usage: bench/bindwell_bench.sh BUILD [REPS] [IDLE]   (starts Xvfb itself when needed)
set -euo pipefail
build=$(realpath "${1:?build folder}")
reps=${2:-5}
idle=${3:-10}
root=$(cd "$(dirname "$0")/.." && pwd)
export LUM_MESSAGE_BOX=ok ALSOFT_DRIVERS=null LIBGL_ALWAYS_SOFTWARE=1
if [ -z "${BINDWELL_BENCH_IN_XVFB:-}" ]; then
    BINDWELL_BENCH_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
# Bindwell reads its boot picture from the working folder and writes its
# files under it and under HOME.
ln -s "$root/png" "$work/png"
export HOME=$work
tick=$(getconf CLK_TCK)

now_us() { echo "${EPOCHREALTIME/./}"; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
stamp_of() { sed -n "s/^lum.first_frame phase=$1 epoch_us=\([0-9]*\)$/\1/p" "$2" | head -n 1; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
peak_kib() { awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"; }

# Waits until file $2 holds the stamp of phase $1; fails after 30 s.
wait_for_stamp() {
    for _ in $(seq 600); do
        [ -n "$(stamp_of "$1" "$2")" ] && return 0
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    echo "bindwell_bench: no '$1' frame; the program said:" >&2
    cat "$2" >&2
    exit 1
}

# Samples the process $pid: prints "CPU_MS_PER_S PEAK_MIB" over $idle seconds.
sample_idle() {
    local c0 t0 c1 t1
    c0=$(cpu_ticks "$pid") t0=$(now_us)
    sleep "$idle"
    c1=$(cpu_ticks "$pid") t1=$(now_us)
    awk -v c="$((c1 - c0))" -v k="$tick" -v t="$((t1 - t0))" -v m="$(peak_kib "$pid")" \
        'BEGIN { printf "%.1f %.1f\n", 1000 * c / k / (t / 1e6), m / 1024 }'
}

stop() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=""
}

base_start=() bw_boot=() bw_table=() base_cpu=() bw_cpu=() base_mem=() bw_mem=()
cd "$work"
for ((i = 1; i <= reps; i++)); do
    t0=$(now_us)
    "$build/bench/glfw_idle_baseline" --first-frame 2> base.err
    base_start+=("$(awk -v a="$(stamp_of booting base.err)" -v b="$t0" 'BEGIN { print (a - b) / 1000 }')")

    t0=$(now_us)
    LUM_FIRST_FRAME_STAMP=1 "$build/bindwell/bindwell" > bw.out 2> bw.err &
    pid=$!
    wait_for_stamp running bw.err
    bw_boot+=("$(awk -v a="$(stamp_of booting bw.err)" -v b="$t0" 'BEGIN { print (a - b) / 1000 }')")
    bw_table+=("$(awk -v a="$(stamp_of running bw.err)" -v b="$t0" 'BEGIN { print (a - b) / 1000 }')")
    sleep 1
    read -r c m < <(sample_idle)
    bw_cpu+=("$c") bw_mem+=("$m")
    stop

    "$build/bench/glfw_idle_baseline" 1000000 > /dev/null &
    pid=$!
    sleep 1
    read -r c m < <(sample_idle)
    base_cpu+=("$c") base_mem+=("$m")
    stop
    echo "round $i: start-up glfw ${base_start[-1]} ms, bindwell ${bw_boot[-1]} ms (table ${bw_table[-1]} ms);" \
        "idle glfw ${base_cpu[-1]} ms/s ${base_mem[-1]} MiB, bindwell ${bw_cpu[-1]} ms/s ${bw_mem[-1]} MiB" >&2
done

m() { printf '%s\n' "$@" | median; }
bs=$(m "${base_start[@]}") bb=$(m "${bw_boot[@]}") bt=$(m "${bw_table[@]}")
bc=$(m "${base_cpu[@]}") wc=$(m "${bw_cpu[@]}") bm=$(m "${base_mem[@]}") wm=$(m "${bw_mem[@]}")
printf '%-36s %12s %12s %10s\n' "medians of $reps runs" "bare GLFW" "Bindwell" "ratio"
awk -v a="$bs" -v b="$bb" 'BEGIN { printf "%-36s %12.1f %12.1f %10.2f\n", "exec to first frame (ms)", a, b, b / a }'
awk -v a="$bs" -v b="$bt" 'BEGIN { printf "%-36s %12.1f %12.1f %10.2f\n", "exec to first frame of the table (ms)", a, b, b / a }'
awk -v a="$bc" -v b="$wc" 'BEGIN { printf "%-36s %12.1f %12.1f %10.2f\n", "idle CPU ms per second", a, b, b / a }'
awk -v a="$bm" -v b="$wm" 'BEGIN { printf "%-36s %12.1f %12.1f %+10.1f\n", "peak resident memory (MiB)", a, b, b - a }'
