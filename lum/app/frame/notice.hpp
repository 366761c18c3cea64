#pragma once

#include "lum/graphics/font/text_screen.hpp"
#include "lum/text/string.hpp"

#include <cstdint>
#include <optional>

namespace lum {

// The one-line notice at the bottom left of the screen that confirms a
// shortcut for one second.
struct NoticeState {
    String text;
    // Milliseconds of the platform clock, widened to 64 bits, at which the
    // notice ends; 0 when there is none.
    uint64_t until = 0;
    // The text last rendered into the overlay screen.
    String rendered;
};

NoticeState& notice();

// The application's one-line overlay screen (80 x 1 cells) that the notice is
// rendered into; graphics start sizes it.
TextScreen& overlay_screen();

// Shows text for the next 1000 ms, replacing any notice, and writes it and a
// newline to the debug output.
void show_notice(const String& text);

// The box's alpha for a notice ending at until when the platform clock reads
// now: 180 until the last 200 ms, then fading to 0 at until; nothing once until
// has passed. The clock is 32 bits, so the two are compared across its wrap.
std::optional<int32_t> notice_alpha(uint64_t until, uint32_t now);

// Draws the notice, if one is showing, on the window; forgets it once its
// time has passed.
void draw_notice();

} // namespace lum
