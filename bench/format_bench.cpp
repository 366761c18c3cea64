// Format against {fmt} on the patterns the engine uses most, each into a fresh
// string. The fmt patterns are the nearest equivalents, not identical work:
// fmt has no bit map (b24 becomes zero-padded binary, "{:024b}"), no plural mode
// (a fixed "s" is appended), and writes UTF-8 where Format writes UTF-16.

#include "lum/app/process/self_check.hpp"
#include "lum/text/format.hpp"
#include "lum/text/pluralize.hpp"

#include <benchmark/benchmark.h>
#include <fmt/format.h>

#include <cstdint>
#include <string>

namespace {

void BM_Format_PhysLogi(benchmark::State& state) {
    uint32_t i = 0;
    for (auto _ : state) {
        lum::String s = lum::Format("PHYS{0:D2} -> LOGI[{1:b24}]\n", i & 31, 1u << (i % 24));
        benchmark::DoNotOptimize(s);
        ++i;
    }
}
BENCHMARK(BM_Format_PhysLogi);

void BM_Format_PhysLogi_PatternBuiltOnce(benchmark::State& state) {
    const lum::String pattern("PHYS{0:D2} -> LOGI[{1:b24}]\n");
    uint32_t i = 0;
    for (auto _ : state) {
        lum::String s = lum::Format(pattern, i & 31, 1u << (i % 24));
        benchmark::DoNotOptimize(s);
        ++i;
    }
}
BENCHMARK(BM_Format_PhysLogi_PatternBuiltOnce);

void BM_Fmt_PhysLogi(benchmark::State& state) {
    uint32_t i = 0;
    for (auto _ : state) {
        std::string s = fmt::format("PHYS{:02} -> LOGI[{:024b}]\n", i & 31, 1u << (i % 24));
        benchmark::DoNotOptimize(s);
        ++i;
    }
}
BENCHMARK(BM_Fmt_PhysLogi);

void BM_Format_Plural(benchmark::State& state) {
    int n = 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(n);
        lum::String s = lum::Format("{0} {1's}", n, "core");
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_Format_Plural);

void BM_Format_Plural_PatternBuiltOnce(benchmark::State& state) {
    const lum::String pattern("{0} {1's}");
    const lum::String word("core");
    int n = 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(n);
        lum::String s = lum::Format(pattern, n, word);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_Format_Plural_PatternBuiltOnce);

void BM_Fmt_Plural(benchmark::State& state) {
    int n = 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(n);
        std::string s = fmt::format("{} {}s", n, "core");
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_Fmt_Plural);

// The parts of the plural case: the same pattern without plural mode, and the
// plural of the word alone.
void BM_Format_NoPlural_PatternBuiltOnce(benchmark::State& state) {
    const lum::String pattern("{0} {1}");
    const lum::String word("cores");
    int n = 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(n);
        lum::String s = lum::Format(pattern, n, word);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_Format_NoPlural_PatternBuiltOnce);

void BM_Pluralize(benchmark::State& state) {
    const lum::String word("core");
    for (auto _ : state) {
        lum::String s = lum::pluralize(word);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_Pluralize);

// The start-up suite runs at every program start.
void BM_SelfCheckFormat(benchmark::State& state) {
    for (auto _ : state) {
        lum::SelfCheck check = lum::unit_test_format();
        benchmark::DoNotOptimize(check);
    }
}
BENCHMARK(BM_SelfCheckFormat)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
