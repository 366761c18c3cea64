// The renderer's cost per frame under Mesa's software OpenGL: a 256 x 224
// screen target put into a 512 x 448 window, as every frame of the program
// does, each pass finished with glFinish so the GPU work is inside the time.

#include "lum/graphics/draw.hpp"
#include "lum/graphics/gl/gl.hpp"
#include "lum/graphics/render_target.hpp"
#include "lum/graphics/renderer.hpp"
#include "lum/platform/window.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

using namespace lum;

namespace {

constexpr int SCREEN_W = 256;
constexpr int SCREEN_H = 224;

// The window, the renderer and a screen target with something painted in it.
RenderTarget& screen() {
    static RenderTarget* target = [] {
        if (!platform::start_window_system()) {
            std::fprintf(stderr, "bench_screen_renderer: no display (run under xvfb-run)\n");
            std::exit(1);
        }
        platform::WindowRequest r;
        r.width = SCREEN_W * 2;
        r.height = SCREEN_H * 2;
        if (!platform::open_window(r)) {
            std::fprintf(stderr, "bench_screen_renderer: cannot open a 512 x 448 window\n");
            std::exit(1);
        }
        RendererState& s = renderer();
        s.screen_width = SCREEN_W;
        s.screen_height = SCREEN_H;
        s.window_width = r.width;
        s.window_height = r.height;
        s.screen_mode = LETTERBOX;
        graphics_start();
        auto* t = new RenderTarget(SCREEN_W, SCREEN_H);
        push_target(*t);
        clear_target(RGB(32, 32, 32));
        for (int i = 0; i < 16; ++i)
            draw_rect(ColourList(RGBA(i * 16, 255 - i * 16, 128, 255)), i * 16.0f, i * 14.0f, 16, 14);
        pop_target();
        return t;
    }();
    return *target;
}

// Clears the window with the border colour and draws the screen target into it.
void present(RenderTarget& t) {
    apply_window_target();
    clear_target(RGB(48, 48, 48));
    t.set_alpha(1.0f);
    draw_target(t, SCREEN_W * 0.5f, SCREEN_H * 0.5f, SCREEN_W, SCREEN_H, 0);
}

void BM_DrawScreenTargetIntoWindow(benchmark::State& state) {
    RenderTarget& t = screen();
    for (auto _ : state) {
        present(t);
        glFinish();
    }
}
BENCHMARK(BM_DrawScreenTargetIntoWindow)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The same followed by the buffer swap the main loop makes.
void BM_WindowFrameWithSwap(benchmark::State& state) {
    RenderTarget& t = screen();
    for (auto _ : state) {
        present(t);
        platform::swap_buffers();
        glFinish();
    }
}
BENCHMARK(BM_WindowFrameWithSwap)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Painting into the screen target: clear and 64 filled rectangles.
void BM_PaintScreenTarget(benchmark::State& state) {
    RenderTarget& t = screen();
    for (auto _ : state) {
        push_target(t);
        clear_target(RGB(32, 32, 32));
        for (int i = 0; i < 64; ++i)
            draw_rect(ColourList(RGBA(i * 4, 128, 255 - i * 4, 255)), (i % 8) * 32.0f, (i / 8) * 28.0f, 30,
                      26);
        pop_target();
        glFinish();
    }
}
BENCHMARK(BM_PaintScreenTarget)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The notice box: a rounded rectangle cut with the stencil inside the screen target.
void BM_RoundRectNotice(benchmark::State& state) {
    RenderTarget& t = screen();
    for (auto _ : state) {
        push_target(t);
        draw_round_rect(ColourList(RGBA(0, 0, 0, 180)), 12, 196, 160, 16, 4);
        pop_target();
        glFinish();
    }
}
BENCHMARK(BM_RoundRectNotice)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
