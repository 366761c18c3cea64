#pragma once

#include "lum/graphics/font/text_screen.hpp"
#include "lum/text/string.hpp"

#include <cstdint>
#include <functional>

namespace lum {

// Where a new line returns the cursor.
enum class Indent {
    // To the left margin.
    LEFT_MARGIN,
    // To the second margin.
    SECOND_MARGIN,
};

// The boot report's terminal: a text screen covering the logical screen and a
// cursor that writes it line by line. Once the last row is reached, each new
// line scrolls the screen and the cursor stays on the last row.
class BootScreen {
  public:
    // Banner lines: page 3, colour 59.
    static constexpr uint8_t BANNER_PAGE = 3;
    static constexpr uint8_t BANNER_COLOUR = 59;
    // Section titles: page 0, colour 57.
    static constexpr uint8_t TITLE_PAGE = 0;
    static constexpr uint8_t TITLE_COLOUR = 57;
    // Every other line: page 3, colour 79.
    static constexpr uint8_t BODY_PAGE = 3;
    static constexpr uint8_t BODY_COLOUR = 79;

    // An empty screen; cover makes it usable.
    explicit BootScreen(TextCanvas& canvas = renderer_text_canvas());

    // Resizes the text screen to (screen_width / 8) x (screen_height / 8) cells
    // and puts the cursor and both margins at the top left.
    void cover(int32_t screen_width, int32_t screen_height);

    // Selects the page and colour of the banner, the section titles or the body.
    void use_banner_style();
    void use_title_style();
    void use_body_style();

    // Writes text at the cursor; the cursor does not move and nothing wraps.
    void print(const String& text);
    // Moves the cursor to the start of the next row (column from indent); at the
    // last row it scrolls instead and calls the scroll callback, else it calls
    // the line callback.
    void new_line(Indent indent = Indent::LEFT_MARGIN);
    // print, then new_line to the left margin.
    void print_line(const String& text);
    // print_line for a line that may be wider than the screen: what does not
    // fit on the cursor's row goes on at the left margin of the next rows.
    // Every unit of the text is taken to fill one cell.
    void print_wrapped_line(const String& text);
    // Writes a title line in the title style, then selects the body style.
    void section(const String& title);

    TextScreen& text_screen() { return screen_; }
    const TextScreen& text_screen() const { return screen_; }

    // The cursor: the cell written next, and the columns a new line returns to.
    int32_t column = 0;
    int32_t row = 0;
    int32_t left_margin = 0;
    int32_t second_margin = 0;

    // Called after every new line that does not scroll; may be empty.
    std::function<void()> line_callback;
    // Called after every new line that scrolls; may be empty.
    std::function<void()> scroll_callback;

  private:
    TextScreen screen_;
};

} // namespace lum
