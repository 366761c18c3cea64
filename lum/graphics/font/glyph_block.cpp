#include "lum/graphics/font/glyph_block.hpp"

#include "lum/graphics/font/font_art.hpp"

namespace lum {

namespace {

bool header_ok(const std::vector<uint32_t>& w) {
    if (w.size() < 3 || (w[0] != 1 && w[0] != 2))
        return false;
    if (w[1] != 16 && w[1] != 64 && w[1] != 96 && w[1] != 256)
        return false;
    if (w[2] > 0xFFFF)
        return false;
    return w.size() == 3 + static_cast<size_t>(w[1]) * 2 * w[0];
}

} // namespace

GlyphBlock::GlyphBlock(std::vector<uint32_t> words) {
    if (header_ok(words))
        words_ = std::move(words);
}

GlyphBlock GlyphBlock::pack(int32_t bits_per_pixel, int32_t first_code,
                            const std::vector<std::array<uint8_t, 64>>& glyphs) {
    if (bits_per_pixel != 1 && bits_per_pixel != 2)
        return GlyphBlock();
    const uint32_t bits = static_cast<uint32_t>(bits_per_pixel);
    const uint32_t value_mask = (1u << bits) - 1;
    const uint32_t rows_per_word = 4 / bits;
    std::vector<uint32_t> words{bits, static_cast<uint32_t>(glyphs.size()),
                                static_cast<uint32_t>(first_code)};
    for (const auto& px : glyphs) {
        for (uint32_t w = 0; w < bits * 2; ++w) {
            uint32_t word = 0;
            for (uint32_t r = 0; r < rows_per_word; ++r)
                for (uint32_t x = 0; x < 8; ++x) {
                    uint32_t y = w * rows_per_word + r;
                    word |= (px[y * 8 + x] & value_mask) << (bits * (x + 8 * r));
                }
            words.push_back(word);
        }
    }
    return GlyphBlock(std::move(words));
}

int GlyphBlock::pixel(int32_t glyph, int x, int y) const {
    if (glyph < 0 || glyph >= glyph_count() || x < 0 || x > 7 || y < 0 || y > 7)
        return 0;
    const int bits = bits_per_pixel();
    const int rows_per_word = 4 / bits;
    const size_t index = 3 + static_cast<size_t>(glyph) * static_cast<size_t>(words_per_glyph()) +
                         static_cast<size_t>(y / rows_per_word);
    const int shift = bits * (x + 8 * (y % rows_per_word));
    return static_cast<int>((words_[index] >> shift) & ((1u << bits) - 1));
}

std::array<uint8_t, 64> GlyphBlock::glyph_pixels(int32_t glyph) const {
    std::array<uint8_t, 64> px{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            px[static_cast<size_t>(y * 8 + x)] = static_cast<uint8_t>(pixel(glyph, x, y));
    return px;
}

bool GlyphBlock::glyph_empty(int32_t glyph) const {
    if (glyph < 0 || glyph >= glyph_count())
        return true;
    const size_t start = 3 + static_cast<size_t>(glyph) * static_cast<size_t>(words_per_glyph());
    for (size_t i = 0; i < static_cast<size_t>(words_per_glyph()); ++i)
        if (words_[start + i] != 0)
            return false;
    return true;
}

int32_t GlyphBlock::glyph_of_code(int64_t code) const {
    const int64_t g = code - first_code();
    return g >= 0 && g < glyph_count() ? static_cast<int32_t>(g) : -1;
}

std::vector<GlyphBlock> build_builtin_glyph_blocks() {
    std::vector<GlyphBlock> blocks;
    blocks.reserve(SYSTEM_FONT_PAGES);
    for (const font::PageGlyphs& page : font::build_font_pages()) {
        std::vector<std::array<uint8_t, 64>> glyphs;
        glyphs.reserve(page.glyphs.size());
        for (const font::Glyph& g : page.glyphs)
            glyphs.push_back(g.px);
        blocks.push_back(glyphs.empty() ? GlyphBlock() : GlyphBlock::pack(page.bits, page.first, glyphs));
    }
    return blocks;
}

const GlyphBlock* builtin_glyph_block(int32_t page) {
    static const std::vector<GlyphBlock> blocks = build_builtin_glyph_blocks();
    if (page < 0 || page >= static_cast<int32_t>(blocks.size()))
        return nullptr;
    const GlyphBlock& b = blocks[static_cast<size_t>(page)];
    return b.glyph_count() > 0 ? &b : nullptr;
}

} // namespace lum
