#include "bindwell/bindwell.hpp"

#include "lum/app/frame/frame_state.hpp"
#include "lum/app/frame/main_loop.hpp"
#include "lum/graphics/draw.hpp"
#include "lum/graphics/font/text_palette.hpp"
#include "lum/graphics/renderer.hpp"
#include "lum/input/gamepad_mapping.hpp"
#include "lum/input/input.hpp"
#include "lum/input/joypad_map.hpp"
#include "lum/input/key_code.hpp"
#include "lum/input/keyboard_state.hpp"
#include "lum/text/debug_out.hpp"
#include "lum/text/format.hpp"

#include <bit>
#include <cstdio>

namespace lum {

namespace {

// The screen's rows, top to bottom.
constexpr int32_t TITLE_TOP_ROW = 1;
constexpr int32_t TITLE_ROW = 2;
constexpr int32_t TITLE_BOTTOM_ROW = 3;
constexpr int32_t PAD_HEADER_ROW = 5;
constexpr int32_t PAD_RULE_ROW = 6;
// The first of the table's twelve rows.
constexpr int32_t TABLE_TOP = 7;
// Which buttons one input answered, after a configuration.
constexpr int32_t SHARED_ROW = 19;
constexpr int32_t COUNT_ROW = 20;
constexpr int32_t STATUS_ROW = 21;
// The name of the pad being configured.
constexpr int32_t PAD_NAME_ROW = 22;
constexpr int32_t HELP_ENTER_ROW = 23;
constexpr int32_t HELP_DIGITS_ROW = 24;
constexpr int32_t HELP_ESCAPE_ROW = 25;
constexpr int32_t HELP_QUIT_ROW = 26;
constexpr int32_t HINT_ROW = 27;
constexpr const char* BLANK_ROW = "                                ";

constexpr uint8_t COLOUR_HELD = 56;
constexpr uint8_t COLOUR_CURRENT = 57;
constexpr uint8_t COLOUR_FRAME = 49;
constexpr uint8_t COLOUR_BOUND = 63;
constexpr uint8_t COLOUR_PAD = 79;
constexpr uint8_t COLOUR_UNUSED = 31;
constexpr uint8_t COLOUR_BACKDROP = 32;
constexpr uint8_t COLOUR_CLEAR = 35;

int32_t pad_column(int32_t pad) {
    return 10 + 5 * pad;
}

bool key_pressed(const KeyboardState& keys, int32_t code) {
    return keys.keys[code].pressed;
}

// Longer names are cut to the width of the screen.
constexpr int32_t NAME_WIDTH = 32;

// A pad's name as the pad row shows it: cut to its width, and control units,
// which the screen would take as mirroring, drawn as the font's replacement.
String shown_name(const String& name) {
    String shown = name.length() > NAME_WIDTH ? name.substr(0, NAME_WIDTH) : name;
    String out;
    for (char16_t unit : shown)
        out += unit < 0x20 || unit == 0x7F ? char16_t{0xFFFD} : unit;
    return out;
}

RGB palette_rgb(uint8_t index) {
    return default_text_palette().colour(index).rgb();
}

} // namespace

const std::array<Bindwell::Row, Bindwell::ROWS> Bindwell::rows = {{
    {"LEFT", BUTTON_LEFT},
    {"RIGHT", BUTTON_RIGHT},
    {"UP", BUTTON_UP},
    {"DOWN", BUTTON_DOWN},
    {"A", BUTTON_A},
    {"B", BUTTON_B},
    {"X", BUTTON_X},
    {"Y", BUTTON_Y},
    {"PREV", BUTTON_PREV},
    {"NEXT", BUTTON_NEXT},
    {"SELECT", BUTTON_SELECT},
    {"START", BUTTON_START},
}};

void Bindwell::setup_window(WindowSettings& settings) {
    settings.title = String("Halvane Bindwell");
    settings.screen_width = 256;
    settings.screen_height = 224;
}

void Bindwell::begin() {
    const Input& hub = *input;
    for (int32_t p = 0; p < PADS; ++p) {
        for (int32_t i = 0; i < JoypadState::MAX_INPUTS; ++i) {
            uint64_t bits = hub.joypads[p].bindings[i].bits;
            if (bits == 0)
                continue;
            debug_out << Format("PHYS{0:D2} -> LOGI[{1:b24}]\n", i, bits);
            for (int32_t n = 0; n < PLAYER_BUTTON_COUNT; ++n) {
                if (bits & (uint64_t{1} << n))
                    map_[p][n] |= uint64_t{1} << i;
            }
        }
    }
    const RendererState& r = renderer();
    screen_.resize(r.screen_width / TextScreen::CELL_SIZE, r.screen_height / TextScreen::CELL_SIZE);
    frame_state().border_colour = palette_rgb(COLOUR_BACKDROP);
    frame_state().backdrop_colour = palette_rgb(COLOUR_BACKDROP);
    show_status("HIT ENTER TO CONFIG JOYPAD1");
}

void Bindwell::put(int32_t x, int32_t y, const String& text) {
    screen_.print(x, y, text);
}

void Bindwell::show_status(const String& message) {
    screen_.current_colour = COLOUR_CURRENT;
    put(0, STATUS_ROW, BLANK_ROW);
    put((31 - message.length()) / 2, STATUS_ROW, message);
    debug_out << message << "\n";
}

void Bindwell::show_pad_name(int32_t pad) {
    String name = pad < 0 ? String() : shown_name(input->joypads[pad].name);
    screen_.current_colour = COLOUR_BOUND;
    put(0, PAD_NAME_ROW, BLANK_ROW);
    put((31 - name.length()) / 2, PAD_NAME_ROW, name);
}

void Bindwell::show_shared_inputs(int32_t pad) {
    String groups;
    for (int32_t i = 0; i < JoypadState::MAX_INPUTS; ++i) {
        String names;
        int32_t count = 0;
        for (const Row& row : rows) {
            if ((map_[pad][row.logical] >> i & 1u) == 0)
                continue;
            names += String(count++ == 0 ? "" : ", ") + String(row.name);
        }
        if (count > 1)
            groups += (groups.empty() ? String() : String("; ")) + names;
    }
    String text = groups.empty() ? String() : String("SAME INPUT: ") + groups;
    if (text.length() > NAME_WIDTH)
        text = text.substr(0, NAME_WIDTH);
    screen_.current_colour = COLOUR_CURRENT;
    put(0, SHARED_ROW, BLANK_ROW);
    put((31 - text.length()) / 2, SHARED_ROW, text);
}

void Bindwell::draw_connections() {
    const Input& hub = *input;
    screen_.current_page = 3;
    screen_.current_colour = COLOUR_FRAME;
    put(8, COUNT_ROW, Format("{0} {1's} FOUND", hub.joypad_count, "JOYPAD"));
    for (int32_t p = 0; p < PADS; ++p) {
        screen_.current_colour = hub.joypads[p].connected ? COLOUR_PAD : COLOUR_UNUSED;
        put(pad_column(p), PAD_HEADER_ROW, Format("PAD{0}", p + 1));
        put(pad_column(p), PAD_RULE_ROW, "----");
    }
}

void Bindwell::draw_pad_column(int32_t pad, int32_t current, bool live) {
    const PlayerInput& player = input->players[pad];
    std::array<bool, ROWS> held{};
    for (int32_t r = 0; r < ROWS; ++r) {
        held[r] = player.buttons[rows[r].logical].down;
        screen_.current_colour = r == current ? COLOUR_CURRENT : COLOUR_BOUND;
        put(2, TABLE_TOP + r, Format("{0,6}", rows[r].name));
    }
    for (int32_t r = 0; r < ROWS; ++r) {
        uint64_t m = map_[pad][rows[r].logical];
        if (live && held[r])
            screen_.current_colour = COLOUR_HELD;
        else if (r == current)
            screen_.current_colour = COLOUR_CURRENT;
        else
            screen_.current_colour = m != 0 ? COLOUR_BOUND : COLOUR_UNUSED;
        String text = m == 0 ? String("  -  ") : Format("{0,3}", std::countr_zero(m) + 1);
        put(pad_column(pad), TABLE_TOP + r, text);
    }
}

void Bindwell::user() {
    screen_.current_page = 0;
    screen_.current_colour = COLOUR_FRAME;
    put(5, TITLE_TOP_ROW, "======================");
    screen_.current_colour = COLOUR_BOUND;
    put(5, TITLE_ROW, " Joypad Configuration ");
    screen_.current_colour = COLOUR_FRAME;
    put(5, TITLE_BOTTOM_ROW, "======================");

    draw_connections();
    for (int32_t p = 0; p < PADS; ++p)
        draw_pad_column(p, -1, true);

    screen_.current_colour = COLOUR_BOUND;
    put(4, HELP_ENTER_ROW, "ENTER: CONFIG JOYPAD1");
    put(4, HELP_DIGITS_ROW, "  1-4: CONFIG JOYPAD 1-4");
    put(4, HELP_ESCAPE_ROW, "  ESC: ESCAPE CONFIG");
    put(4, HELP_QUIT_ROW, "    Q: EXIT THIS PROGRAM");

    // Each key is read as it stands now: a configuration started by an
    // earlier key has run frames and refreshed the key records.
    if (key_pressed(*keyboard, KEY_RETURN))
        configure(0);
    for (int32_t pad = 0; pad < PADS; ++pad) {
        if (key_pressed(*keyboard, '1' + pad))
            configure(pad);
    }
    if (key_pressed(*keyboard, 'q'))
        die();
}

void Bindwell::paint() {
    clear_target(RGBA(palette_rgb(COLOUR_CLEAR), 255));
    screen_.flush();
    const RenderTarget& target = screen_.target();
    draw_target(target, target.width() * 0.5f, target.height() * 0.5f, float(target.width()),
                float(target.height()), 0.0f);
}

Bindwell::Answer Bindwell::wait_for_press(int32_t pad, int32_t* input_index) {
    run_frame(*this);
    for (;;) {
        // Pads may join, leave or come back while the prompt waits.
        draw_connections();
        show_pad_name(pad);
        run_frame(*this);
        const JoypadState& joypad = input->joypads[pad];
        for (int32_t i = 0; i < joypad.physical_count; ++i) {
            if (joypad.previous_states[i] == 0 && joypad.current_states[i] != 0) {
                *input_index = i;
                return Answer::INPUT;
            }
        }
        if (key_pressed(*keyboard, KEY_ESCAPE)) {
            run_frame(*this);
            return Answer::ESCAPE;
        }
        if (key_pressed(*keyboard, KEY_SPACE))
            return Answer::SKIP;
        if (key_pressed(*keyboard, KEY_BACKSPACE))
            return Answer::BACK;
    }
}

void Bindwell::configure(int32_t pad) {
    put(0, SHARED_ROW, BLANK_ROW);
    draw_pad_column(pad, -1, false);
    show_pad_name(pad);
    screen_.current_colour = COLOUR_BOUND;
    put(4, HINT_ROW, "SPACE: SKIP, BKSP: BACK");
    int32_t r = 0;
    bool aborted = false;
    while (r < ROWS) {
        show_status(Format("CONFIG JOYPAD{0} - {1}", pad + 1, rows[r].name));
        draw_pad_column(pad, r, false);
        int32_t pressed = 0;
        Answer answer = wait_for_press(pad, &pressed);
        if (answer == Answer::ESCAPE) {
            aborted = true;
            break;
        }
        if (answer == Answer::BACK) {
            r = r > 0 ? r - 1 : 0;
            continue;
        }
        uint64_t& row = map_[pad][rows[r].logical];
        row = answer == Answer::SKIP ? 0 : uint64_t{1} << pressed;
        draw_pad_column(pad, r, false);
        ++r;
    }
    put(0, HINT_ROW, BLANK_ROW);
    show_pad_name(-1);
    if (aborted) {
        show_status("ABORT");
        return;
    }
    show_status(store_bindings(pad) ? "CONFIG SAVED!" : "SAVE FAILED!");
    show_shared_inputs(pad);
}

bool Bindwell::store_bindings(int32_t pad) {
    std::array<uint64_t, JoypadState::MAX_INPUTS> masks{};
    for (const Row& row : rows) {
        for (int32_t i = 0; i < JoypadState::MAX_INPUTS; ++i) {
            if (map_[pad][row.logical] & (uint64_t{1} << i)) {
                masks[i] |= uint64_t{1} << row.logical;
                std::printf("[SAVE] PHYS[%d] -> LOGI[%X]\n", i, unsigned(row.logical));
            }
        }
    }
    std::fflush(stdout);
    JoypadState& joypad = input->joypads[pad];
    for (int32_t i = 0; i < JoypadState::MAX_INPUTS; ++i)
        joypad.bindings[i] = InputBinding{pad, static_cast<uint32_t>(masks[i])};
    bool saved = save_joypad_map(*input);
    // Reports its own failure; the joypad file is written first, so it never costs that.
    save_gamepad_mappings(*input);
    return saved;
}

} // namespace lum
