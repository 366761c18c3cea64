#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for a given number of seconds.
# Crashes land in <build>/artifacts/<name>/; copy the ones worth keeping to
# tests/fixtures/<area>/malformed/<name>/ once fixed, so `make test` replays them.
set -euo pipefail
build=${1:?build folder}
seconds=${2:-60}
export LUM_MESSAGE_BOX=ok
status=0
rm -f "$build/fuzz_summary.txt"
while read -r name inputs; do
    corpus="$build/corpus/$name"
    artifacts="$build/artifacts/$name/"
    mkdir -p "$corpus" "$artifacts"
    seeds=()
    [ -d "$inputs" ] && seeds+=("$inputs")
    [ -d "tests/fixtures/fuzz-seeds/$name" ] && seeds+=("tests/fixtures/fuzz-seeds/$name")
    echo "== fuzz_$name for ${seconds}s"
    if ! "$build/tests/fuzz/fuzz_$name" "$corpus" "${seeds[@]}" -max_total_time="$seconds" \
        -artifact_prefix="$artifacts" -print_final_stats=1 2>"$build/fuzz_$name.log"; then
        echo "fuzz_$name found a failure; see $build/fuzz_$name.log and $artifacts"
        status=1
    fi
    tail -n 12 "$build/fuzz_$name.log" | grep -E 'stat::number_of_executed_units|Done' | tee -a "$build/fuzz_summary.txt" || true
done < <(sort -u "$build/fuzz_targets.txt")
exit $status
