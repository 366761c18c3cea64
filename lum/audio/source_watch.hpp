#pragma once

#include <cstdint>
#include <vector>

namespace lum {

class AudioDevice;

// Tells each group's listener when one of its sources ends. A start is noticed
// even when the sound ends before the next check; a source paused by focus
// loss still counts as sounding.
class SourceWatch {
  public:
    // Checks every source of both groups once, group A first, and reports
    // those that stopped since the last check. True while one still sounds.
    bool poll(AudioDevice& device);

  private:
    std::vector<uint8_t> sounding_a_;
    std::vector<uint8_t> sounding_b_;
};

} // namespace lum
