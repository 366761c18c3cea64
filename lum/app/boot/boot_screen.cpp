#include "lum/app/boot/boot_screen.hpp"

#include <algorithm>
#include <string>

namespace lum {

BootScreen::BootScreen(TextCanvas& canvas) : screen_(canvas) {}

void BootScreen::cover(int32_t screen_width, int32_t screen_height) {
    screen_.resize(screen_width / TextScreen::CELL_SIZE, screen_height / TextScreen::CELL_SIZE);
    column = row = left_margin = second_margin = 0;
}

void BootScreen::use_banner_style() {
    screen_.current_page = BANNER_PAGE;
    screen_.current_colour = BANNER_COLOUR;
}

void BootScreen::use_title_style() {
    screen_.current_page = TITLE_PAGE;
    screen_.current_colour = TITLE_COLOUR;
}

void BootScreen::use_body_style() {
    screen_.current_page = BODY_PAGE;
    screen_.current_colour = BODY_COLOUR;
}

void BootScreen::print(const String& text) {
    screen_.print(column, row, text);
}

void BootScreen::new_line(Indent indent) {
    column = indent == Indent::SECOND_MARGIN ? second_margin : left_margin;
    row += 1;
    if (row < screen_.rows()) {
        if (line_callback)
            line_callback();
        return;
    }
    // Stay on the last row, which the scroll has just emptied, so that every
    // later line is still seen.
    screen_.scroll();
    row = std::max(screen_.rows() - 1, 0);
    if (scroll_callback)
        scroll_callback();
}

void BootScreen::print_line(const String& text) {
    print(text);
    new_line();
}

void BootScreen::print_wrapped_line(const String& text) {
    std::u16string piece;
    int32_t room = screen_.columns() - column;
    for (char16_t unit : text) {
        // A row always takes at least one unit, so a cursor past the right
        // edge still moves on.
        if (room <= 0 && !piece.empty()) {
            print_line(String(piece.data(), piece.size()));
            piece.clear();
            room = screen_.columns() - column;
        }
        piece += unit;
        --room;
    }
    print_line(String(piece.data(), piece.size()));
}

void BootScreen::section(const String& title) {
    use_title_style();
    print(title);
    new_line();
    use_body_style();
}

} // namespace lum
