#include "lum/app/frame/notice.hpp"

#include "lum/graphics/colour_list.hpp"
#include "lum/graphics/draw.hpp"
#include "lum/graphics/renderer.hpp"
#include "lum/platform/time.hpp"
#include "lum/text/debug_out.hpp"

#include <algorithm>

namespace lum {

NoticeState& notice() {
    static NoticeState n;
    return n;
}

TextScreen& overlay_screen() {
    // Never destroyed, like the display state and for the same reason.
    static TextScreen* screen = new TextScreen;
    return *screen;
}

void show_notice(const String& text) {
    notice().until = static_cast<uint64_t>(platform::milliseconds()) + 1000;
    notice().text = text;
    debug_out << text << "\n";
}

std::optional<int32_t> notice_alpha(uint64_t until, uint32_t now) {
    // A notice lasts a second: the 32-bit difference is its time left even when
    // the clock wrapped after it was shown, which a 64-bit "until < now" never sees.
    const int64_t left = static_cast<int32_t>(static_cast<uint32_t>(until) - now);
    if (left < 0)
        return std::nullopt;
    int64_t a = left < 200 ? left * 255 / 200 : 255;
    return static_cast<int32_t>(std::clamp<int64_t>(a * 180 / 255, 0, 255));
}

namespace {

// Renders the text into the overlay screen when it changed since the last time.
void render_notice_text(const String& text) {
    TextScreen& screen = overlay_screen();
    if (notice().rendered == text && screen.columns() > 0)
        return;
    screen.clear(Rect(0, 0, screen.columns(), screen.rows()));
    screen.print(0, 0, text);
    screen.flush();
    notice().rendered = text;
}

} // namespace

void draw_notice() {
    NoticeState& n = notice();
    if (n.until == 0)
        return;
    std::optional<int32_t> alpha = notice_alpha(n.until, platform::milliseconds());
    if (!alpha) {
        n.until = 0;
        return;
    }
    if (n.text.empty())
        return;
    render_notice_text(n.text);
    const RendererState& r = renderer();
    float x = r.screen_width * 16.0f / r.screen_height;
    float y = r.screen_height - 16.0f - 8.0f;
    // The notice goes on the window, blended over whatever is there.
    apply_window_target();
    draw_round_rect(ColourList(RGBA(0, 0, 0, *alpha)), x - 4, y - 4, n.text.length() * 8.0f + 8, 16, 4);
    const RenderTarget& target = overlay_screen().target();
    draw_target(target, x, y, static_cast<float>(target.width()), static_cast<float>(target.height()));
}

} // namespace lum
