// How long the system font takes to build its sixty pages from the drawn sources at
// start-up, and to paint one page's texture pixels.

#include "lum/graphics/font/charset.hpp"
#include "lum/graphics/font/glyph_block.hpp"

#include <benchmark/benchmark.h>

namespace {

void BM_BuildAllGlyphBlocks(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<lum::GlyphBlock> blocks = lum::build_builtin_glyph_blocks();
        benchmark::DoNotOptimize(blocks.data());
    }
}
BENCHMARK(BM_BuildAllGlyphBlocks)->Unit(benchmark::kMicrosecond);

void BM_PaintOnePageTexture(benchmark::State& state) {
    const lum::GlyphBlock* block = lum::builtin_glyph_block(23);
    std::vector<uint8_t> pixels;
    for (auto _ : state) {
        lum::paint_glyph_texture(*block, lum::RGBA(0, 0, 0, 0), pixels);
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BM_PaintOnePageTexture)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
