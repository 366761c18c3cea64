// Text screens under Mesa's software OpenGL: a flush of an unchanged 32 x 28
// screen (which must draw no glyph), a flush of a fully changed one, and the
// screen's target drawn into a 512 x 448 window. Each pass ends with glFinish
// so the GPU work is inside the time. Glyph draws are counted by a canvas that
// passes every call on to the renderer's one.

#include "lum/graphics/draw.hpp"
#include "lum/graphics/gl/gl.hpp"
#include "lum/graphics/renderer.hpp"
#include "lum/graphics/font/system_font_drawing.hpp"
#include "lum/graphics/font/text_screen.hpp"
#include "lum/platform/window.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

using namespace lum;

namespace {

constexpr int SCREEN_W = 256;
constexpr int SCREEN_H = 224;
constexpr int COLUMNS = SCREEN_W / 8;
constexpr int ROWS = SCREEN_H / 8;

class CountingCanvas : public TextCanvas {
  public:
    void create(RenderTarget& t, int32_t w, int32_t h) override { gl().create(t, w, h); }
    void release(RenderTarget& t) override { gl().release(t); }
    void clear(RenderTarget& t) override { gl().clear(t); }
    void begin(RenderTarget& t) override { gl().begin(t); }
    void fill(const Rect& pixels) override {
        ++fills;
        gl().fill(pixels);
    }
    void glyph(const Charset& charset, uint32_t code, int32_t x, int32_t y, int32_t w, int32_t h,
               const RGBA& colour, int32_t angle) override {
        ++glyphs;
        gl().glyph(charset, code, x, y, w, h, colour, angle);
    }
    void end(RenderTarget& t) override { gl().end(t); }

    int64_t glyphs = 0;
    int64_t fills = 0;

  private:
    static TextCanvas& gl() { return renderer_text_canvas(); }
};

CountingCanvas& canvas() {
    static CountingCanvas c;
    return c;
}

void start_graphics() {
    static bool started = [] {
        if (!platform::start_window_system()) {
            std::fprintf(stderr, "bench_screen_text: no display (run under xvfb-run)\n");
            std::exit(1);
        }
        platform::WindowRequest r;
        r.width = SCREEN_W * 2;
        r.height = SCREEN_H * 2;
        if (!platform::open_window(r)) {
            std::fprintf(stderr, "bench_screen_text: cannot open a 512 x 448 window\n");
            std::exit(1);
        }
        RendererState& s = renderer();
        s.screen_width = SCREEN_W;
        s.screen_height = SCREEN_H;
        s.window_width = r.width;
        s.window_height = r.height;
        s.screen_mode = LETTERBOX;
        graphics_start();
        build_system_font(RGBA(0, 0, 0, 0));
        return true;
    }();
    (void)started;
}

// Fills every cell with one of two texts, so that alternating them changes every cell.
void print_all(TextScreen& screen, int variant) {
    static const char* texts[2] = {"THE QUICK BROWN FOX JUMPS OVER A", "lazy dog 0123456789 !?#$%&*+-=<>"};
    for (int row = 0; row < ROWS; ++row) {
        screen.current_colour = static_cast<uint8_t>(17 + (row + variant) % 60);
        screen.print(0, row, texts[(row + variant) % 2]);
    }
}

// A full screen of text, flushed once.
TextScreen& screen() {
    static TextScreen* s = [] {
        start_graphics();
        auto* t = new TextScreen(canvas());
        t->resize(COLUMNS, ROWS);
        print_all(*t, 0);
        t->flush();
        glFinish();
        return t;
    }();
    return *s;
}

void report(benchmark::State& state, int64_t glyphs, int64_t fills) {
    const double n = static_cast<double>(state.iterations());
    state.counters["glyph_draws"] = benchmark::Counter(static_cast<double>(glyphs) / n);
    state.counters["fills"] = benchmark::Counter(static_cast<double>(fills) / n);
}

void BM_FlushUnchangedScreen(benchmark::State& state) {
    TextScreen& s = screen();
    s.flush();
    const int64_t glyphs = canvas().glyphs;
    const int64_t fills = canvas().fills;
    for (auto _ : state) {
        s.flush();
        glFinish();
    }
    report(state, canvas().glyphs - glyphs, canvas().fills - fills);
    if (canvas().glyphs != glyphs)
        state.SkipWithError("an unchanged screen drew glyphs");
}
BENCHMARK(BM_FlushUnchangedScreen)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_FlushFullyChangedScreen(benchmark::State& state) {
    TextScreen& s = screen();
    const int64_t glyphs = canvas().glyphs;
    const int64_t fills = canvas().fills;
    // Kept across repetitions, so that every pass changes every cell.
    static int variant = 0;
    for (auto _ : state) {
        variant ^= 1;
        print_all(s, variant);
        s.flush();
        glFinish();
    }
    report(state, canvas().glyphs - glyphs, canvas().fills - fills);
}
BENCHMARK(BM_FlushFullyChangedScreen)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_DrawScreenTargetIntoWindow(benchmark::State& state) {
    TextScreen& s = screen();
    for (auto _ : state) {
        apply_window_target();
        clear_target(RGB(32, 32, 32));
        draw_target(s.target(), SCREEN_W * 0.5f, SCREEN_H * 0.5f, SCREEN_W, SCREEN_H, 0);
        glFinish();
    }
}
BENCHMARK(BM_DrawScreenTargetIntoWindow)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
