#include "lum/app/frame/app.hpp"

#include "lum/app/boot/booter.hpp"
#include "lum/app/frame/frame_state.hpp"
#include "lum/app/frame/main_loop.hpp"
#include "lum/app/frame/notice.hpp"
#include "lum/app/frame/signals.hpp"
#include "lum/app/frame/window_system.hpp"
#include "lum/app/process/message_box.hpp"
#include "lum/app/process/records.hpp"
#include "lum/audio/audio_device.hpp"
#include "lum/audio/audio_monitor.hpp"
#include "lum/error/exception.hpp"
#include "lum/graphics/gl/gl_info.hpp"
#include "lum/graphics/renderer.hpp"
#include "lum/graphics/font/system_font_drawing.hpp"
#include "lum/graphics/font/text_palette.hpp"
#include "lum/input/input.hpp"
#include "lum/input/input_step.hpp"
#include "lum/input/joypad_map.hpp"
#include "lum/input/keyboard_map.hpp"
#include "lum/platform/window.hpp"
#include "lum/text/format.hpp"

#include <cstdlib>
#include <vector>

// App::run sits above the frame and the boot: it opens the window, boots and
// runs the main task, so it is the one piece that needs both rooms.

namespace lum {

namespace {

void open_window(const WindowSettings& s) {
    RendererState& r = renderer();
    r.screen_width = s.screen_width;
    r.screen_height = s.screen_height;
    r.window_width = s.window_width;
    r.window_height = s.window_height;
    const platform::VideoMode desktop = platform::desktop_mode();
    FrameState& d = frame_state();
    d.desktop_width = desktop.width;
    d.desktop_height = desktop.height;
    d.desktop_depth = desktop.red_bits + desktop.green_bits + desktop.blue_bits;
    platform::WindowRequest request;
    request.width = s.window_width;
    request.height = s.window_height;
    request.red_bits = desktop.red_bits;
    request.green_bits = desktop.green_bits;
    request.blue_bits = desktop.blue_bits;
    request.alpha_bits = 0;
    request.depth_bits = 0;
    // The notice's rounded box is cut out with the stencil, in the window.
    request.stencil_bits = 8;
    request.title = s.title;
    if (!platform::open_window(request))
        throw GraphicsCreateWindowException();
    platform::set_window_title(s.title);
    // The handlers serve even when the renderer does not start.
    platform::set_window_size_handler(on_window_size);
    platform::set_window_close_handler(on_window_close);
}

void create_screen_objects() {
    const RendererState& r = renderer();
    frame_state().screen_target.create(r.screen_width, r.screen_height);
    TextScreen& overlay = overlay_screen();
    overlay.resize(80, 1);
    overlay.palette = &overlay_text_palette();
    overlay.current_page = TextScreen::DEFAULT_PAGE;
    overlay.current_colour = overlay_text_palette().default_colour;
    notice().rendered = String();
}

String graphics_report(const GraphicsException& e) {
    const GlInfo info = read_gl_info();
    return Format("{0}\n\n[VERSION] {1}\n[VENDOR] {2}\n[RENDERER] {3}\n[SHADER] {4}\n", describe(e),
                  info.version, info.vendor, info.renderer, info.shading_language_version);
}

// Starts the window system, opens the window and starts the renderer, which
// chooses the null renderer for a window without OpenGL (the scripted virtual
// one). A failure is reported and gives false.
bool start_graphics(App& app, Booter& booter) {
    try {
        if (!start_window_system())
            throw GraphicsInitializeException();
        const WindowSettings s = settings_of(app);
        booter.boot_screen_mode = s.boot_screen_mode;
        open_window(s);
        GraphicsStartHooks hooks;
        hooks.create_screen_objects = create_screen_objects;
        hooks.build_system_font = [background = s.font_background] { build_system_font(background); };
        graphics_start(hooks);
        return true;
    } catch (const GraphicsException& e) {
        fault(graphics_report(e));
        return false;
    }
}

// Runs the main task until it ends for good, writing the outcome's records.
void run_main_task(App& app) {
    for (;;) {
        put_record("100 Begin Program");
        frame_state().phase = Running;
        try {
            run_task(app);
            put_record("850 Normal Exit");
            return;
        } catch (SoftwareResetExceptionType) {
            put_record("810 Software Reset");
            apply_window_settings(app);
            reset_engine();
            app.on_software_reset();
        } catch (HardwareResetExceptionType) {
            put_record("820 Hardware Reset");
            apply_window_settings(app);
            reset_engine();
            app.on_hardware_reset();
        } catch (WindowCloseExceptionType) {
            put_record("851 Terminate with Window Close");
            return;
        } catch (const Exception& e) {
            put_record("852 Terminate by User Exception");
            put_record(describe(e).to_utf8().c_str());
            return;
        } catch (...) {
            put_record("853 Terminate by User Exception2");
            return;
        }
    }
}

// The boot's "Joypad" step: the input hub, its joypads and both binding files.
void start_input() {
    Input& hub = input();
    load_joypad_map(hub);
    load_keyboard_map(hub);
}

AudioChannels audio_channels() {
    const AudioDevice& device = audio_device();
    return {static_cast<int32_t>(device.group_a.sources.size()),
            static_cast<int32_t>(device.group_b.sources.size()), device.silent()};
}

std::vector<JoypadCounts> registered_joypads() {
    const Input& hub = input();
    std::vector<JoypadCounts> pads;
    for (int32_t p = 0; p < hub.joypad_count; ++p)
        pads.push_back({hub.joypads[p].button_count, hub.joypads[p].axis_count});
    return pads;
}

// Starts the run's sound in one place: the monitor thread, the device object
// and the focus hooks. The device's close is registered here for process exit,
// so every way out of the process closes it once, after stopping the monitor
// that reads its sources (close_audio does both). The boot's Audio step opens it.
void start_sound(AudioMonitor& monitor) {
    monitor.start();
    audio_device();
    set_audio_frame_counter(&frame_state().frame_count);
    set_sound_focus_hooks(pause_all_sources, resume_all_sources);
    static const bool close_registered = std::atexit(close_audio) == 0;
    (void)close_registered;
}

} // namespace

void App::run() {
    Booter booter;
    // Nothing could be shown after the report, so the process ends there, as
    // a failed boot ends it.
    if (!start_graphics(*this, booter))
        std::exit(1);
    AudioMonitor monitor;
    start_sound(monitor);
    booter.audio_step.run = open_audio;
    booter.joypad_step.run = start_input;
    booter.facts.audio = audio_channels;
    booter.facts.joypads = registered_joypads;
    frame_state().phase = Booting;
    zero_task();
    try {
        run_task(booter);
    } catch (...) {
        // Stopped as shutdown would, so no thread runs on while exit tidies up;
        // this end writes no record.
        monitor.stop();
        std::exit(1);
    }
    apply_window_settings(*this);
    run_main_task(*this);
    put_record("888 Audio monitor kill");
    monitor.stop();
    put_record("888 Audio monitor terminated");
}

} // namespace lum
