// The six start-up self-checks run at every start; they must stay cheap.

#include "lum/app/self_check.hpp"
#include "lum/core/runtime_warning.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

void BM_SixSelfChecks(benchmark::State& state) {
    // The summary lines go to standard output; keep them out of the report.
    std::FILE* saved = std::freopen("/dev/null", "w", stdout);
    for (auto _ : state)
        benchmark::DoNotOptimize(lum::run_self_checks());
    (void)saved;
}
BENCHMARK(BM_SixSelfChecks)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
