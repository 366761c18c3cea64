#include "lum/input/button_state.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// How a test runs the frames of a record.
enum class Frames { IN_THREE_CALLS, IN_ONE_STEP };

// Runs one frame per character of pattern ('#' held, '.' up) and writes, per
// frame, 'P' for pressed, 'R' for released, 'd' for down without an edge, '.'.
std::string edges(lum::ButtonState& b, const std::string& pattern, Frames frames = Frames::IN_THREE_CALLS) {
    std::string out;
    for (char c : pattern) {
        if (frames == Frames::IN_ONE_STEP) {
            b.step(c == '#');
        } else {
            b.begin_frame();
            if (c == '#')
                b.hold();
            b.finish_frame();
        }
        out += b.pressed ? 'P' : b.released ? 'R' : b.down ? 'd' : '.';
    }
    return out;
}

} // namespace

TEST(ButtonState, EdgesFollowTheHeldFrames) {
    for (Frames frames : {Frames::IN_THREE_CALLS, Frames::IN_ONE_STEP}) {
        lum::ButtonState b;
        EXPECT_EQ(edges(b, "..##.#...###.", frames), "..PdRPR..PddR");
    }
}

TEST(ButtonState, AutoRepeatFiresAfterTheDelayThenEveryInterval) {
    struct Case {
        int delay;
        int interval;
        const char* held;
        const char* expected;
    };
    const Case cases[] = {
        {0, 0, "##########", "Pddddddddd"},
        {5, 0, "##########", "Pddddddddd"},
        {3, 2, "##########", "PddPdPdPdP"},
        {1, 1, "######", "PPPPPP"},
        {0, 3, "##########", "PddPddPddP"},
        // A break starts the count again.
        {2, 1, "####.####", "PdPPRPdPP"},
    };
    for (const Case& c : cases) {
        for (Frames frames : {Frames::IN_THREE_CALLS, Frames::IN_ONE_STEP}) {
            lum::ButtonState b;
            b.set_repeat(static_cast<uint8_t>(c.delay), static_cast<uint8_t>(c.interval));
            EXPECT_EQ(edges(b, c.held, frames), c.expected)
                << "delay " << c.delay << ", interval " << c.interval;
        }
    }
}
