#include "lum/app/display_state.hpp"

namespace lum {

DisplayState& display() {
    // Never destroyed: its render target must not reach for the platform after
    // the platform's own objects are gone at exit (the context went with them).
    static DisplayState* state = new DisplayState;
    return *state;
}

} // namespace lum
