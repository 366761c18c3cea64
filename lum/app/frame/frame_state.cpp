#include "lum/app/frame/frame_state.hpp"

namespace lum {

FrameState& frame_state() {
    // Never destroyed: its render target must not reach for the platform after
    // the platform's own objects are gone at exit (the context went with them).
    static FrameState* state = new FrameState;
    return *state;
}

} // namespace lum
