// The character table is built at every start and read on every trim and parse;
// the kana and plural helpers run inside formatting.

#include "lum/app/process/self_check.hpp"
#include "lum/text/char_table.hpp"
#include "lum/text/pluralize.hpp"
#include "lum/text/string.hpp"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

void BM_CharTableBuild(benchmark::State& state) {
    lum::CharTable::Blocks blocks{};
    auto pool = std::make_unique<lum::CharTable::Block[]>(256);
    for (auto _ : state) {
        lum::CharTable::build(blocks, pool.get());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CharTableBuild)->Unit(benchmark::kMicrosecond);

std::u16string mixed_text() {
    std::u16string text;
    for (int i = 0; i < 64; ++i)
        text += u"Hello, wörld\t ひらがな カタカナ 123 ";
    return text;
}

// Counts white space the way trimming and the parsers ask: one CharTable::at per unit.
void BM_CharTableAt(benchmark::State& state) {
    const std::u16string text = mixed_text();
    for (auto _ : state) {
        int spaces = 0;
        for (char16_t u : text)
            spaces += (lum::CharTable::at(u).flags & lum::CharTable::SPACE) != 0;
        benchmark::DoNotOptimize(spaces);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_CharTableAt);

// The same through an out-of-line accessor with a first-use guard, the shape a
// lazily built table would have; kept to show what the direct read saves.
[[gnu::noinline]] const lum::CharInfo* guarded_entries() {
    static const lum::CharInfo* table = &lum::CharTable::at(0);
    return table;
}

void BM_CharTableThroughGuardedCall(benchmark::State& state) {
    const std::u16string text = mixed_text();
    for (auto _ : state) {
        int spaces = 0;
        for (char16_t u : text)
            spaces += (guarded_entries()[u].flags & lum::CharTable::SPACE) != 0;
        benchmark::DoNotOptimize(spaces);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_CharTableThroughGuardedCall);

// The same against a flat copy of all 65536 entries: one load instead of two, but
// a megabyte to write at every start.
void BM_FlatCopyOfTheTable(benchmark::State& state) {
    const std::u16string text = mixed_text();
    auto flat = std::make_unique<lum::CharInfo[]>(65536);
    for (unsigned u = 0; u < 65536; ++u)
        flat[u] = lum::CharTable::at(static_cast<char16_t>(u));
    for (auto _ : state) {
        int spaces = 0;
        for (char16_t u : text)
            spaces += (flat[u].flags & lum::CharTable::SPACE) != 0;
        benchmark::DoNotOptimize(spaces);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_FlatCopyOfTheTable);

void BM_RomajiUpper(benchmark::State& state) {
    const lum::String kana("ひらがな、　カタカーナ！？　ァィㇴ。　＄８０");
    for (auto _ : state)
        benchmark::DoNotOptimize(kana.to_romaji_upper());
}
BENCHMARK(BM_RomajiUpper);

void BM_Pluralize(benchmark::State& state) {
    const lum::String word("JOYPAD");
    for (auto _ : state)
        benchmark::DoNotOptimize(lum::pluralize(word));
}
BENCHMARK(BM_Pluralize);

void BM_UnitTestChar(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(lum::unit_test_char().errors());
}
BENCHMARK(BM_UnitTestChar)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
