#pragma once

// A scripted application and the fixture that runs it on a scripted backend,
// with the frame's process-wide state back at its start for every test.

#include "lum/app/frame/app.hpp"
#include "lum/app/frame/frame_state.hpp"
#include "lum/app/frame/notice.hpp"
#include "lum/graphics/font/charset.hpp"
#include "lum/graphics/null_renderer.hpp"
#include "lum/graphics/renderer.hpp"
#include "lum/input/input.hpp"
#include "lum/input/input_step.hpp"
#include "lum/input/keyboard_state.hpp"
#include "lum/input/mouse_state.hpp"
#include "lum/platform/backend.hpp"
#include "lum/platform/scripted/scripted_backend.hpp"
#include "lum/platform/virtual_key.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace lum::test {

using platform::ScriptedBackend;
using WindowKind = ScriptedBackend::WindowKind;

// An application whose steps the test sets; it serves as a plain task too.
// at(n, f) runs f in the n-th user step (counting from 1), before on_user.
class ScriptedApp : public App {
  public:
    std::function<void()> on_begin, on_user, on_paint, on_end;
    int begins = 0, users = 0, paints = 0, ends = 0, software_resets = 0, hardware_resets = 0;

    void at(int user_step, std::function<void()> f) { script_[user_step].push_back(std::move(f)); }

    void setup_window(WindowSettings& s) override {
        s.screen_width = 256;
        s.screen_height = 224;
        s.title = "Frame Test";
    }
    void begin() override { ++begins, call(on_begin); }
    void user() override {
        for (auto& f : script_[++users])
            f();
        call(on_user);
    }
    void paint() override { ++paints, call(on_paint); }
    void end() override { ++ends, call(on_end); }
    void on_software_reset() override { ++software_resets; }
    void on_hardware_reset() override { ++hardware_resets; }

  private:
    static void call(const std::function<void()>& f) {
        if (f)
            f();
    }
    std::map<int, std::vector<std::function<void()>>> script_;
};

// The frame's process-wide state as at process start, the null renderer
// included. Run with no OpenGL context current, so that objects of an earlier
// context only forget their names.
inline void reset_frame_state() {
    use_render_backend(null_renderer());
    frame_state() = FrameState();
    renderer() = RendererState();
    notice() = NoticeState();
    keyboard_state() = KeyboardState();
    input() = Input();
    mouse_state() = MouseState();
    input_step().reset();
    overlay_screen().destroy();
    for (int page = 0; page < SystemFont::SLOTS; ++page)
        if (Charset* c = SystemFont::slot(page))
            c->release_texture();
    zero_task().running = true;
}

// The lines of text that begin with a three-digit record code.
inline std::vector<std::string> records_in(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.size() > 4 && std::isdigit(static_cast<unsigned char>(line[0])) &&
            std::isdigit(static_cast<unsigned char>(line[1])) &&
            std::isdigit(static_cast<unsigned char>(line[2])) && line[3] == ' ')
            out.push_back(line);
    return out;
}

class FrameTest : public testing::Test {
  protected:
    explicit FrameTest(WindowKind kind = WindowKind::VIRTUAL) : backend(kind, 1000) {}

    void SetUp() override {
        setenv("LUM_MESSAGE_BOX", "ok", 1);
        setenv("ALSOFT_DRIVERS", "null", 1);
        reset_frame_state();
        platform::use_backend(&backend);
    }
    void TearDown() override {
        backend.stop_window_system();
        platform::use_backend(nullptr);
    }

    // Runs the application, keeping what it wrote on both streams.
    void run_app() { run_app(app); }
    void run_app(App& a) {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        a.run();
        out = testing::internal::GetCapturedStdout();
        err = testing::internal::GetCapturedStderr();
    }
    std::vector<std::string> records() const { return records_in(out); }

    // Opens the scripted window directly, for tests that drive frames themselves.
    void open_window(int width, int height) {
        backend.start_window_system();
        platform::WindowRequest r;
        r.width = width;
        r.height = height;
        backend.open_window(r);
    }

    // Holds Control and Alt from user step n, taps key in step n + 1 (a tap
    // shorter than a frame) and lets the modifiers go in step n + 5.
    void chord_at(int n, int key,
                  std::vector<int> modifiers = {platform::VK_L_CONTROL, platform::VK_L_MENU}) {
        app.at(n, [this, modifiers] {
            for (int m : modifiers)
                backend.key_down(m);
        });
        app.at(n + 1, [this, key] { backend.tap_key(key); });
        app.at(n + 5, [this, modifiers] {
            for (int m : modifiers)
                backend.key_up(m);
        });
    }

    ScriptedBackend backend;
    ScriptedApp app;
    std::string out, err;
};

// The first user step in which the keyboard is read: the window's first focus
// holds the keys off for the frame of the change and 14 more.
inline constexpr int FIRST_KEY_STEP = 16;

} // namespace lum::test
