#pragma once

#include "lum/app/frame/app.hpp"
#include "lum/app/boot/boot_report.hpp"
#include "lum/app/boot/boot_screen.hpp"
#include "lum/graphics/picture.hpp"
#include "lum/graphics/font/text_screen.hpp"

#include <array>
#include <cstdint>

namespace lum {

// The boot task: writes the boot report on a full-screen text screen, running
// the three start steps, "Libs", "Audio" and "Joypad", at their places, and
// hands over to the next task. A step that fails leaves the fault line
// "Init NAME...Fault (REASON)" on show until the window is closed.
class Booter : public App {
  public:
    // The picture drawn under the report, loaded at begin from the first of the
    // data folders (data_folders.hpp) that holds a file of this name.
    static constexpr const char* PICTURE_PATH = "png";

    // The library step is the "Libs" step; the others come from App::run.
    Booter();
    ~Booter();

    const char* name() const override { return "Booter"; }

    // Loads the picture (FileOpenException naming every path tried when no
    // data folder has it, PictureFormatException or PictureSizeException), sizes the text screen to the
    // logical screen, gives both frame colours text palette entry 32,
    // registers itself as the current boot task and installs the line and
    // scroll callbacks (a frame per line in boot-screen mode 2).
    void begin() override;
    // Writes the whole report once, then ends the task with die().
    void user() override;
    // Clears to palette entry 35, draws the picture over the logical screen and
    // the text screen over it at full size.
    void paint() override;
    // Sets the title "Halvane Bootstrap Loader".
    void setup_window(WindowSettings& settings) override;

    // Runs the step; an Exception from it leaves the fault line and halts, so
    // it returns only when the step succeeded.
    void run_boot_step(const BootStep& step);
    // Shows the report with its fault line, frame after frame, until the window
    // is closed; then clears running and throws WindowCloseExceptionType.
    [[noreturn]] void halt_until_closed();

    // 0 no frames of its own, 1 a frame before and after the report, 2 also a
    // frame after every line; copied from the main application's settings.
    int32_t boot_screen_mode = 0;
    // Stored in this order; run as libs, audio, joypad.
    BootStep audio_step{String("Audio"), {}};
    BootStep joypad_step{String("Joypad"), {}};
    BootStep libs_step{String("Libs"), {}};
    // What the report reads from the rest of the engine. The graphics and
    // display facts are the renderer's and the frame's; the audio and joypad
    // facts are given with their steps.
    BootFacts facts;

    BootScreen& screen() { return screen_; }
    // The picture under the report, and a second one for a later use.
    std::array<Picture, 2>& pictures() { return pictures_; }

  private:
    BootScreen screen_;
    std::array<Picture, 2> pictures_;
};

// The boot task between its begin and its destruction; none otherwise.
Booter* current_boot_task();

} // namespace lum
