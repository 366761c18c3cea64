#pragma once

#include "lum/app/boot/boot_screen.hpp"
#include "lum/app/process/system_profile.hpp"
#include "lum/graphics/gl/gl_info.hpp"
#include "lum/text/string.hpp"

#include <cstdint>
#include <functional>
#include <vector>

namespace lum {

// One start-up step of the boot: the name its fault line shows and its work.
struct BootStep {
    String name;
    std::function<void()> run;
};

// The three start steps, run at their places in the report: "Libs" first,
// then "Audio", then "Joypad".
struct BootSteps {
    BootStep libs{String("Libs"), {}};
    BootStep audio{String("Audio"), {}};
    BootStep joypad{String("Joypad"), {}};
};

// The display as the application object and the renderer have set it up.
struct DisplayFacts {
    int32_t desktop_width = 0;
    int32_t desktop_height = 0;
    int32_t desktop_bits = 0;
    int32_t screen_width = 0;
    int32_t screen_height = 0;
    int32_t viewport_width = 0;
    int32_t viewport_height = 0;
    int32_t window_width = 0;
    int32_t window_height = 0;
};

// The sizes of the audio device's two source groups, and whether the device
// is the silent one because no sound device was found.
struct AudioChannels {
    int32_t music = 0;
    int32_t sound = 0;
    bool sound_off = false;
};

// The audio section's last line when the device is the silent one.
inline constexpr const char* SOUND_OFF_LINE = "No device found, sound off";

// One registered joypad's inputs.
struct JoypadCounts {
    int32_t buttons = 0;
    int32_t axes = 0;
};

// What the report reads from the other parts of the engine. Each is asked when
// its section is written, so the audio and joypad facts come after their
// steps have run. An empty callback gives zeros and no joypads.
struct BootFacts {
    std::function<GlInfo()> graphics;
    std::function<DisplayFacts()> display;
    std::function<AudioChannels()> audio;
    // The registered joypads in registration order.
    std::function<std::vector<JoypadCounts>()> joypads;
};

// Everything the boot report is made from.
struct BootReport {
    const SystemProfile* profile = &SystemProfile::instance();
    BootSteps steps;
    BootFacts facts;
    // 0 no frames of its own, 1 a frame before and after the report, 2 also a
    // frame after every line (the screen's callbacks run those).
    int32_t boot_screen_mode = 0;
    // Runs one frame of the main loop.
    std::function<void()> run_frame;
    // Keeps the fault line on show until the window closes; it is expected not
    // to return (it ends the run), but the report stops all the same if it does.
    std::function<void()> halt;
};

// The notice lines of the banner, before the engine build line.
inline constexpr const char* BOOT_NOTICE[3] = {"lum 2D game engine", "Bootstrap loader, system check",
                                               "(c) the lum developers"};
// The engine build line that ends the banner.
inline constexpr const char* BOOT_BUILD_LINE = "Halvane 0.1 Mar 30 2013";

// Runs a step. When it throws a lum::Exception, writes the line "Init NAME...Fault
// (DESCRIBE)" on the screen (wrapped onto the next rows when it is wider) and
// whole to the debug output, calls halt and returns false. Any other thrown
// value passes on; a step that succeeds prints nothing.
bool run_boot_step(BootScreen& screen, const BootStep& step, const std::function<void()>& halt);

// Writes the whole boot report on the screen, running the three start steps at
// their places. Returns false when a step failed: its fault line is then the
// last line written.
bool write_boot_report(BootScreen& screen, const BootReport& report);

} // namespace lum
