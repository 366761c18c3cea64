#!/usr/bin/env python3
"""Runs bench_var with its repetitions interleaved and prints the document
figures as ratios of medians taken in that one run.

usage: bench/var_ratios.py BUILD_DIR [REPETITIONS]
"""
import json
import statistics
import subprocess
import sys

build = sys.argv[1] if len(sys.argv) > 1 else "build"
repetitions = sys.argv[2] if len(sys.argv) > 2 else "9"
names = ["LibyamlEvents", "VarParse", "VarParseWithoutFree", "VarLoad", "VarDestroy", "VarSave",
         "SmallLibyamlEvents", "SmallVarLoad", "SmallVarParse"]
result = subprocess.run(
    [f"{build}/bench/bench_var",
     "--benchmark_filter=^BM_(" + "|".join(names) + ")$",
     f"--benchmark_repetitions={repetitions}",
     "--benchmark_enable_random_interleaving=true",
     "--benchmark_format=json"],
    capture_output=True, text=True, check=True)
times = {}
for run in json.loads(result.stdout)["benchmarks"]:
    if run.get("run_type") != "iteration":
        continue
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[run["time_unit"]]
    times.setdefault(run["run_name"][3:], []).append(run["real_time"] * scale)
median = {name: statistics.median(values) for name, values in times.items()}
for name in names:
    print(f"{name:20s} {median[name]:9.3f} ms  (median of {len(times[name])})")
print()
rows = [
    ("Var::parse / bare libyaml", "VarParse", "LibyamlEvents", 1.2),
    ("  the same, tree not freed", "VarParseWithoutFree", "LibyamlEvents", 1.2),
    ("Var::load / bare libyaml", "VarLoad", "LibyamlEvents", 1.2),
    ("save / load", "VarSave", "VarLoad", 0.5),
    ("destroy / load", "VarDestroy", "VarLoad", 0.1),
    ("small load / small bare", "SmallVarLoad", "SmallLibyamlEvents", 2.0),
]
for label, a, b, target in rows:
    ratio = median[a] / median[b]
    print(f"{label:28s} {ratio:5.2f}x  target <= {target}x  {'met' if ratio <= target else 'NOT met'}")
