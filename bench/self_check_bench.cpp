// The six start-up self-checks run at every start; they must stay cheap.

#include "lum/app/process/self_check.hpp"

#include <benchmark/benchmark.h>

namespace {

// The six suites as run_self_checks runs them, without its six summary lines.
void BM_SixSelfChecks(benchmark::State& state) {
    lum::SelfCheck (*const suites[])() = {lum::unit_test_color,  lum::unit_test_random,
                                          lum::unit_test_format, lum::unit_test_char,
                                          lum::unit_test_string, lum::unit_test_cpp_extends};
    for (auto _ : state) {
        int errors = 0;
        for (auto suite : suites)
            errors += suite().errors();
        benchmark::DoNotOptimize(errors);
    }
}
BENCHMARK(BM_SixSelfChecks)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
