// An application with one empty task, idle in its 512 x 448 window, measured
// over a number of frames after a warm-up: process CPU time per second of wall
// time, and the median and 99th percentile of the frame period. Writes one
// line "result cpu_ms_per_s=X median_ms=Y p99_ms=Z frames=N" on standard output.

#include "frame_stats.hpp"
#include "lum/app/frame/app.hpp"
#include "lum/app/process/entry.hpp"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int WARM_UP = 60;
int measured_frames = 600;

class IdleApp : public lum::App {
  public:
    void setup_window(lum::WindowSettings& s) override {
        s.screen_width = 256;
        s.screen_height = 224;
        s.title = "Frame Idle";
    }
    void user() override {
        if (++steps_ <= WARM_UP)
            return;
        stats_.frame();
        if (steps_ == WARM_UP + 1 + measured_frames) {
            stats_.report();
            die();
        }
    }

  private:
    int steps_ = 0;
    lum::bench::FrameStats stats_;
};

void app_main() {
    IdleApp app;
    app.run();
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2)
        measured_frames = std::atoi(argv[1]);
    return lum::process_entry("", app_main);
}
