#include "lum/app/boot/booter.hpp"

#include "lum/app/frame/frame_state.hpp"
#include "lum/app/boot/library_step.hpp"
#include "lum/app/frame/main_loop.hpp"
#include "lum/app/frame/signals.hpp"
#include "lum/data/data_folders.hpp"
#include "lum/graphics/draw.hpp"
#include "lum/graphics/gl/gl_info.hpp"
#include "lum/graphics/renderer.hpp"
#include "lum/graphics/font/text_palette.hpp"
#include "lum/platform/time.hpp"
#include "lum/platform/window.hpp"

namespace lum {

namespace {

Booter* current = nullptr;

DisplayFacts display_facts() {
    const FrameState& d = frame_state();
    const RendererState& r = renderer();
    DisplayFacts f;
    f.desktop_width = d.desktop_width;
    f.desktop_height = d.desktop_height;
    f.desktop_bits = d.desktop_depth;
    f.screen_width = r.screen_width;
    f.screen_height = r.screen_height;
    f.viewport_width = r.viewport_width;
    f.viewport_height = r.viewport_height;
    f.window_width = r.window_width;
    f.window_height = r.window_height;
    return f;
}

} // namespace

Booter::Booter() {
    libs_step.run = run_library_step;
    facts.graphics = [] { return gl_info(); };
    facts.display = display_facts;
}

Booter::~Booter() {
    if (current == this)
        current = nullptr;
}

Booter* current_boot_task() {
    return current;
}

void Booter::begin() {
    // The working folder first, as designed, then the installed data folder
    // and the program's own folder, so the program starts from any folder.
    pictures_[0].load(Path(find_data_file(String(PICTURE_PATH))));
    screen_.cover(renderer().screen_width, renderer().screen_height);
    const RGB grey = default_text_palette().colour(32).rgb();
    frame_state().backdrop_colour = grey;
    frame_state().border_colour = grey;
    current = this;
    auto frame_per_line = [this] {
        if (boot_screen_mode == 2)
            run_frame(*this);
    };
    screen_.line_callback = frame_per_line;
    screen_.scroll_callback = frame_per_line;
}

void Booter::user() {
    BootReport report;
    report.steps = BootSteps{libs_step, audio_step, joypad_step};
    report.facts = facts;
    report.boot_screen_mode = boot_screen_mode;
    report.run_frame = [this] { run_frame(*this); };
    report.halt = [this] { halt_until_closed(); };
    write_boot_report(screen_, report);
    die();
}

void Booter::paint() {
    const RendererState& r = renderer();
    clear_target(RGBA(default_text_palette().colour(35).rgb(), 255));
    pictures_[0].draw(0, 0, static_cast<float>(r.screen_width), static_cast<float>(r.screen_height), 0);
    TextScreen& text = screen_.text_screen();
    text.flush();
    const RenderTarget& t = text.target();
    draw_target(t, t.width() * 0.5f, t.height() * 0.5f, static_cast<float>(t.width()),
                static_cast<float>(t.height()), 0);
}

void Booter::setup_window(WindowSettings& settings) {
    settings.title = "Halvane Bootstrap Loader";
}

void Booter::run_boot_step(const BootStep& step) {
    lum::run_boot_step(screen_, step, [this] { halt_until_closed(); });
}

void Booter::halt_until_closed() {
    while (platform::window_open()) {
        platform::sleep_milliseconds(100);
        // The boot frames do not paint tasks: the report with its fault line
        // is put on the window here, as a running frame puts the screen.
        present_frame(this);
    }
    running = false;
    throw WindowCloseExceptionType::SIGNAL;
}

} // namespace lum
