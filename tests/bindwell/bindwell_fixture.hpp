#pragma once

// Bindwell run in process on the scripted backend, in a fresh working folder,
// with a script of steps that act on the frames as the status line asks.

#include "support/frame_fixture.hpp"
#include "support/input_fixture.hpp"
#include "support/samples.hpp"
#include "support/text_rows.hpp"

#include "bindwell/bindwell.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace lum::test {

// Bindwell with a hook in every frame, nested frames of a configuration too.
class DrivenBindwell : public Bindwell {
  public:
    std::function<void()> each_frame;
    void paint() override {
        if (each_frame)
            each_frame();
        Bindwell::paint();
    }
};

// The text of row y from column x for n cells.
inline std::string cells_text(const TextScreen& screen, int32_t x, int32_t y, int32_t n) {
    std::string line = row_text(screen, y) + std::string(size_t(x + n), ' ');
    return line.substr(size_t(x), size_t(n));
}

class BindwellRun : public FrameTest {
  protected:
    // The status line before the first key, and the frames the keyboard is held
    // off after the window's first focus, with a margin.
    static constexpr const char* IDLE = "HIT ENTER TO CONFIG JOYPAD1";
    static constexpr int KEYS_READY = FIRST_KEY_STEP + 4;
    // A run that has not ended after this many frames is closed.
    static constexpr int FRAME_LIMIT = 3000;

    explicit BindwellRun(WindowKind kind = WindowKind::VIRTUAL) : FrameTest(kind) {}

    void SetUp() override {
        FrameTest::SetUp();
        std::filesystem::copy_file(boot_picture_path(), folder.file("png"));
        bindwell.each_frame = [this] { next_frame(); };
    }

    // What the status line shows, without the centring blanks.
    std::string status() const {
        std::string s = row_text(bindwell.screen(), 21);
        return s.substr(std::min(s.find_first_not_of(' '), s.size()));
    }
    std::string prompt(const char* button, int pad = 1) const {
        return "CONFIG JOYPAD" + std::to_string(pad) + " - " + button;
    }

    // Runs action once the status line has shown text for delay frames (counted
    // from the previous step when it showed the same text).
    void when(const std::string& text, std::function<void()> action, int delay = 1) {
        steps_.push_back({text, delay, std::move(action)});
    }
    // Presses and releases button b of joystick 0 between two frames.
    void tap_button(int b, int id = 0) {
        backend.set_joystick_button(id, b, true);
        backend.set_joystick_button(id, b, false);
    }
    // Return, then the buttons at the prompts of joypad 1, from LEFT on;
    // look(r) runs at prompt r before its button.
    void configure_pad_1(const std::vector<int>& buttons, std::function<void(int)> look = {}) {
        when(
            IDLE, [this] { backend.tap_key(platform::VK_RETURN); }, KEYS_READY);
        for (size_t r = 0; r < buttons.size(); ++r)
            when(prompt(Bindwell::rows[r].name), [this, look, r, b = buttons[r]] {
                if (look)
                    look(int(r));
                tap_button(b);
            });
    }
    // Quits with q once the status line shows text.
    void quit_on(const std::string& text) {
        when(text, [this] { backend.tap_key(platform::VK_Q); });
    }

    void run() {
        run_app(bindwell);
        EXPECT_EQ(next_step_, steps_.size()) << "stuck before the step waiting for \""
                                             << (next_step_ < steps_.size() ? steps_[next_step_].text : "")
                                             << "\"; status \"" << status() << "\"";
    }

    TempWorkingFolder folder;
    DrivenBindwell bindwell;

  private:
    struct Step {
        std::string text;
        int delay;
        std::function<void()> action;
    };

    void next_frame() {
        if (++frames_ == FRAME_LIMIT)
            backend.request_close();
        if (next_step_ == steps_.size())
            return;
        const Step& step = steps_[next_step_];
        if (status() != step.text) {
            shown_ = 0;
            return;
        }
        if (++shown_ < step.delay)
            return;
        shown_ = 0;
        ++next_step_;
        step.action();
    }

    std::vector<Step> steps_;
    size_t next_step_ = 0;
    int shown_ = 0;
    int frames_ = 0;
};

} // namespace lum::test
