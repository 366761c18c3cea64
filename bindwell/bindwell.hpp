#pragma once

#include "lum/app/frame/app.hpp"
#include "lum/graphics/font/text_screen.hpp"
#include "lum/input/logical_button.hpp"
#include "lum/text/string.hpp"

#include <array>
#include <cstdint>

namespace lum {

// The joypad configuration utility: a table of four joypads by twelve logical
// buttons, and a run of prompts that binds one joypad's buttons and saves them.
class Bindwell : public App {
  public:
    // One row of the table and one prompt of a configuration.
    struct Row {
        const char* name;
        int32_t logical;
    };
    static constexpr int32_t ROWS = 12;
    static constexpr int32_t PADS = 4;
    static const std::array<Row, ROWS> rows;

    void setup_window(WindowSettings& settings) override;
    void begin() override;
    void user() override;
    void paint() override;

    // Puts the message centred on the status line, and on the debug output.
    void show_status(const String& message);

    // What the table and status line show; tests read its cells.
    const TextScreen& screen() const { return screen_; }
    // map[p][n]: the physical inputs of joypad p that drive logical button n, one bit each.
    using PadMap = std::array<uint64_t, PLAYER_BUTTON_COUNT>;
    const std::array<PadMap, PADS>& map() const { return map_; }

  private:
    // How a configuration run ended.
    enum class Outcome { SAVED, SAVE_FAILED, ABORTED };
    // What ended the wait for one prompt.
    enum class Answer { INPUT, SKIP, BACK, ESCAPE };

    void put(int32_t x, int32_t y, const String& text);
    // Puts the count of connected joypads and the PAD headers, lit while connected.
    void draw_connections();
    void draw_pad_column(int32_t pad, int32_t current, bool live);
    // Puts the name of joypad pad's device centred on its row; a blank row for pad -1.
    void show_pad_name(int32_t pad);
    // Puts on the row below the table which buttons of joypad pad share one
    // input ("SAME INPUT: A, B"), or blanks it when none do.
    void show_shared_inputs(int32_t pad);
    void configure(int32_t pad);
    // Runs frames until joypad pad has a new press (its number in *input) or a key ends the wait.
    Answer wait_for_press(int32_t pad, int32_t* input);
    // Rebuilds the joypad's 40 bindings from the table and saves them, with
    // the gamepad mappings beside them; returns whether the bindings were saved.
    bool store_bindings(int32_t pad);

    TextScreen screen_;
    std::array<PadMap, PADS> map_{};
};

} // namespace lum
