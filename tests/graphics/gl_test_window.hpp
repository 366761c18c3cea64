#pragma once

// A hidden window with an OpenGL context and a started renderer, shared by the
// tests of one process, and helpers that read pixels back.

#include "lum/graphics/gl/gl.hpp"
#include "lum/graphics/render_target.hpp"
#include "lum/graphics/renderer.hpp"
#include "lum/platform/window.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <ostream>

namespace lum::test {

// Opens the window and starts graphics once; false when there is no display.
inline bool gl_ready() {
    static bool ready = [] {
        setenv("LUM_MESSAGE_BOX", "ok", 1);
        if (!platform::start_window_system())
            return false;
        platform::WindowRequest r;
        r.width = 512;
        r.height = 448;
        r.visible = false;
        if (!platform::open_window(r))
            return false;
        renderer().screen_width = 256;
        renderer().screen_height = 224;
        renderer().window_width = 512;
        renderer().window_height = 448;
        graphics_start();
        return true;
    }();
    return ready;
}

#define LUM_REQUIRE_GL()                                                                                     \
    do {                                                                                                     \
        ASSERT_TRUE(::lum::test::gl_ready()) << "needs a display with OpenGL (run under xvfb-run)";          \
    } while (0)

struct Pixel {
    int r, g, b, a;
    friend bool operator==(const Pixel&, const Pixel&) = default;
    friend std::ostream& operator<<(std::ostream& o, const Pixel& p) {
        return o << "(" << p.r << "," << p.g << "," << p.b << "," << p.a << ")";
    }
};

// The pixel at (x, y) of the current target, y counted from the top as the
// 2D projection counts it.
inline Pixel pixel_at(int x, int y, int target_height) {
    std::array<unsigned char, 4> p{};
    glReadPixels(x, target_height - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
    return {p[0], p[1], p[2], p[3]};
}

// The pixel at (x, y) of target t (pushed and popped around the read).
inline Pixel pixel_of(const RenderTarget& t, int x, int y) {
    push_target(t);
    Pixel p = pixel_at(x, y, t.height());
    pop_target();
    return p;
}

// Whether every channel is within tolerance of the expected one.
inline bool near(const Pixel& p, const Pixel& q, int tolerance) {
    return std::abs(p.r - q.r) <= tolerance && std::abs(p.g - q.g) <= tolerance &&
           std::abs(p.b - q.b) <= tolerance && std::abs(p.a - q.a) <= tolerance;
}

} // namespace lum::test
