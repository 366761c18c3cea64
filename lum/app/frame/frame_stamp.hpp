#pragma once

#include "lum/app/frame/frame_state.hpp"

namespace lum {

// The variable that turns the stamps on.
inline constexpr const char* FRAME_STAMP_VARIABLE = "LUM_FIRST_FRAME_STAMP";

// Called right after a frame of the main loop is presented. With
// LUM_FIRST_FRAME_STAMP set, the first such frame of each phase writes
// "lum.first_frame phase=NAME epoch_us=N" on standard error, N being the
// wall-clock time in microseconds, so that a start-up benchmark can put it
// beside the moment it started the program.
void stamp_presented_frame(AppPhase phase);

} // namespace lum
