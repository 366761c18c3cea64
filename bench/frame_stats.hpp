#pragma once

// Frame timing for the idle-window benchmarks: frame() once per frame, then
// report() writes the result line.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace lum::bench {

class FrameStats {
  public:
    // Marks the start of a frame; the first call starts the measurement.
    void frame() {
        auto now = std::chrono::steady_clock::now();
        if (frames_ == 0) {
            start_ = now;
            cpu_start_ = std::clock();
        } else {
            periods_.push_back(std::chrono::duration<double, std::milli>(now - last_).count());
        }
        last_ = now;
        ++frames_;
    }

    // "result cpu_ms_per_s=X median_ms=Y p99_ms=Z frames=N" for the frames so far.
    void report() {
        double wall_s = std::chrono::duration<double>(last_ - start_).count();
        double cpu_ms = 1000.0 * static_cast<double>(std::clock() - cpu_start_) / CLOCKS_PER_SEC;
        std::vector<double> sorted = periods_;
        std::sort(sorted.begin(), sorted.end());
        double median = sorted.empty() ? 0 : sorted[sorted.size() / 2];
        double p99 = sorted.empty() ? 0 : sorted[std::min(sorted.size() - 1, sorted.size() * 99 / 100)];
        std::printf("result cpu_ms_per_s=%.2f median_ms=%.3f p99_ms=%.3f frames=%zu\n", cpu_ms / wall_s,
                    median, p99, sorted.size());
        std::fflush(stdout);
    }

  private:
    std::chrono::steady_clock::time_point start_, last_;
    std::clock_t cpu_start_ = 0;
    std::vector<double> periods_;
    size_t frames_ = 0;
};

} // namespace lum::bench
