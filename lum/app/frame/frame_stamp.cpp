#include "lum/app/frame/frame_stamp.hpp"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace lum {

namespace {

const char* phase_name(AppPhase phase) {
    switch (phase) {
    case Booting:
        return "booting";
    case Running:
        return "running";
    case Terminating:
        return "terminating";
    }
    return "unknown";
}

} // namespace

void stamp_presented_frame(AppPhase phase) {
    static const bool wanted = std::getenv(FRAME_STAMP_VARIABLE) != nullptr;
    static std::array<bool, 3> stamped{};
    if (!wanted || phase < Booting || phase > Terminating || stamped[phase])
        return;
    stamped[phase] = true;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const long long us = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
    std::fprintf(stderr, "lum.first_frame phase=%s epoch_us=%lld\n", phase_name(phase), us);
    std::fflush(stderr);
}

} // namespace lum
