// A small application on the frame, for the tests that run it on the real
// window system: a 256 x 224 screen titled "Frame Demo" that paints one colour.
// With "--frames N" it ends itself after N user steps; otherwise it runs until
// its window is closed. At the end it writes "frames N" on standard error.

#include "lum/app/frame/app.hpp"
#include "lum/app/frame/frame_state.hpp"
#include "lum/app/process/entry.hpp"
#include "lum/graphics/draw.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

long frame_limit = 0;

class FrameDemo : public lum::App {
  public:
    void setup_window(lum::WindowSettings& s) override {
        s.screen_width = 256;
        s.screen_height = 224;
        s.title = "Frame Demo";
    }
    void user() override {
        if (frame_limit > 0 && ++users_ >= frame_limit)
            die();
    }
    void paint() override { lum::clear_target(lum::RGB(0, 80, 160)); }

  private:
    long users_ = 0;
};

void app_main() {
    FrameDemo demo;
    demo.run();
    std::fprintf(stderr, "frames %u\n", lum::frame_state().frame_count);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--frames") == 0) {
        frame_limit = std::strtol(argv[2], nullptr, 10);
    } else if (argc != 1) {
        std::fprintf(stderr, "usage: frame_demo_app [--frames N]\n");
        return 2;
    }
    return lum::process_entry("", app_main);
}
