#include "lum/app/boot/boot_report.hpp"

#include "lum/error/exception.hpp"
#include "lum/graphics/font/glyph_block.hpp"
#include "lum/platform/system_info.hpp"
#include "lum/text/debug_out.hpp"
#include "lum/text/format.hpp"
#include "lum/text/string_list.hpp"

namespace lum {

namespace {

// The processor features in the order the report lists them.
struct FeatureName {
    uint32_t bit;
    const char* name;
};

constexpr FeatureName FEATURE_NAMES[] = {
    {platform::CPU_HTT, "HTT"},      {platform::CPU_MMX, "MMX"},           {platform::CPU_SSE, "SSE"},
    {platform::CPU_SSE2, "SSE2"},    {platform::CPU_SSE3, "SSE3"},         {platform::CPU_SSE41, "SSE4.1"},
    {platform::CPU_SSE42, "SSE4.2"}, {platform::CPU_SSE4A, "SSE4A"},       {platform::CPU_MMX_EXT, "MMX+"},
    {platform::CPU_3DNOW, "3DNow!"}, {platform::CPU_3DNOW_EXT, "3DNow!+"}, {platform::CPU_AVX, "AVX"},
    {platform::CPU_AVX2, "AVX2"},
};

String feature_list(uint32_t features) {
    StringList names;
    for (const FeatureName& f : FEATURE_NAMES) {
        if (features & f.bit)
            names.push_back(String(f.name));
    }
    return names.join(Char(','));
}

String version_text(const VersionNumbers& v) {
    return Format("{0}.{1}.{2}", v.major, v.minor, v.revision);
}

template <typename T>
T ask(const std::function<T()>& source) {
    return source ? source() : T();
}

void frame_if_shown(const BootReport& report) {
    if ((report.boot_screen_mode == 1 || report.boot_screen_mode == 2) && report.run_frame)
        report.run_frame();
}

// Starts a section: its title at column 0, its lines indented by two cells.
void section(BootScreen& screen, const char* title) {
    screen.column = screen.left_margin = screen.second_margin = 0;
    screen.section(String(title));
    screen.left_margin = screen.column = 2;
    screen.second_margin = 0;
}

void write_banner(BootScreen& screen) {
    screen.use_banner_style();
    for (const char* line : BOOT_NOTICE)
        screen.print_line(String(line));
    screen.print_line(String(BOOT_BUILD_LINE));
    screen.new_line();
}

void write_processor(BootScreen& screen, const SystemProfile& p) {
    section(screen, "CPU");
    screen.print_line(Format("CPU: {0}, {1} {2's}", p.cpu_name, p.cpu_logical_cores, "core"));
    screen.print_line(Format("Family={0} Model={1} Stepping={2}", p.cpu_family, p.cpu_model, p.cpu_stepping));
    screen.print_line(feature_list(p.cpu_features));
    screen.print_line(Format("L1C {0}KB, L1D {1}KB", p.cpu_l1_code_kb, p.cpu_l1_data_kb));
    screen.print_line(Format("L2 {0}KB, L3 {1}KB", p.cpu_l2_kb, p.cpu_l3_kb));
}

void write_libraries(BootScreen& screen, const SystemProfile& p, const GlInfo& gl) {
    section(screen, "Libraries");
    screen.print_line(Format("OpenGL    {0}", gl.version));
    screen.print_line(Format("  Vendor  {0}", gl.vendor));
    // The renderer's line carries the vendor's label.
    screen.print_line(Format("  Vendor  {0}", gl.renderer));
    screen.print_line(Format("  Shader  {0}", gl.shading_language_version));
    screen.print_line(Format("  Lights  {0}", gl.max_lights));
    screen.print_line(Format("  Texture {0}x{0}", gl.max_texture_size));
    screen.print_line(Format("GLFW      {0}", version_text(p.glfw_version)));
    screen.print_line(Format("FreeImage {0}", p.freeimage_version));
    screen.print_line(Format("FreeType  {0}", version_text(p.freetype_version)));
}

void write_system(BootScreen& screen, const SystemProfile& p) {
    section(screen, "System");
    screen.print_line(Format("{0}MB RAM", p.memory_mb));
    screen.print_line(device_kind_name(p.device_kind));
    screen.print_line(p.display_adapter);
    screen.print_line(p.architecture);
    screen.print_line(p.machine_class);
    screen.print_line(Format("lang is {0}", p.language_english_name));
}

void write_operating_system(BootScreen& screen, const SystemProfile& p) {
    section(screen, "Operating System");
    screen.print_line(p.system_name);
    screen.print_line(Format("{0}.{1}.{2}", p.os_major, p.os_minor, p.os_build));
    screen.print_line(p.platform_text);
    screen.print_line(Format("release date {0}", p.release_date));
    screen.print_line(Format("build info {0}", p.build_info));
    screen.print_line(Format("build version {0}", p.build_version));
    screen.print_line(Format("os revision {0}", p.revision));
    screen.print_line(Format("UserHash ID {0}", p.user_hash));
}

// The display block has no title of its own: it repeats the system's.
void write_display(BootScreen& screen, const SystemProfile& p, const DisplayFacts& d) {
    section(screen, "Operating System");
    screen.print_line(Format("Screen {0}x{1}x{2}", d.desktop_width, d.desktop_height, d.desktop_bits));
    screen.print_line(Format(" Monitor: {0}", p.monitor_count));
    screen.print_line(Format("  Client: {0}x{1}", d.screen_width, d.screen_height));
    screen.print_line(Format("Viewport: {0}x{1}", d.viewport_width, d.viewport_height));
    screen.print_line(Format("  Window: {0}x{1}", d.window_width, d.window_height));
}

void write_audio(BootScreen& screen, const AudioChannels& channels) {
    section(screen, "Audio");
    screen.print_line(Format("{0} Music {1's}", channels.music, "channel"));
    screen.print_line(Format("{0} Sound {1's}", channels.sound, "channel"));
    if (channels.sound_off)
        screen.print_line(String(SOUND_OFF_LINE));
}

void write_joypads(BootScreen& screen, const std::vector<JoypadCounts>& pads) {
    section(screen, "Joypad");
    screen.print_line(Format("{0} {1's}", pads.size(), "joypad"));
    for (size_t i = 0; i < pads.size(); ++i)
        screen.print_line(
            Format("PAD#{0}: {1} {2's}, {3} {4's}", i, pads[i].buttons, "button", pads[i].axes, "axis"));
}

void write_keyboard(BootScreen& screen, const SystemProfile& p) {
    section(screen, "Keyboard");
    screen.print_line(Format("  Name: {0}", p.keyboard_name));
    screen.print_line(Format("Layout: {0}", keyboard_layout_name(p.keyboard_layout)));
    screen.print_line(Format("{0} function keys", p.function_keys));
    screen.print_line(Format("numkeys {0}", p.numeric_keypad ? "installed" : "uninstalled"));
}

void write_closing(BootScreen& screen) {
    section(screen, "Halvane");
    screen.print_line(Format("{0} system fonts installed", SYSTEM_FONT_PAGES));
    screen.column = screen.left_margin = screen.second_margin = 0;
    screen.new_line();
    screen.new_line();
    screen.print_line(String("Now loading initial resources..."));
}

} // namespace

bool run_boot_step(BootScreen& screen, const BootStep& step, const std::function<void()>& halt) {
    try {
        if (step.run)
            step.run();
        return true;
    } catch (const Exception& e) {
        const String line = Format("Init {0}...Fault ({1})", step.name, describe(e));
        // The reason is often wider than the screen: it wraps, so it is read whole.
        screen.print_wrapped_line(line);
        debug_out << line << "\n";
    }
    if (halt)
        halt();
    return false;
}

bool write_boot_report(BootScreen& screen, const BootReport& report) {
    const SystemProfile& p = *report.profile;
    frame_if_shown(report);
    write_banner(screen);
    if (!run_boot_step(screen, report.steps.libs, report.halt))
        return false;
    write_processor(screen, p);
    write_libraries(screen, p, ask(report.facts.graphics));
    write_system(screen, p);
    write_operating_system(screen, p);
    write_display(screen, p, ask(report.facts.display));
    if (!run_boot_step(screen, report.steps.audio, report.halt))
        return false;
    write_audio(screen, ask(report.facts.audio));
    if (!run_boot_step(screen, report.steps.joypad, report.halt))
        return false;
    write_joypads(screen, ask(report.facts.joypads));
    write_keyboard(screen, p);
    write_closing(screen);
    frame_if_shown(report);
    return true;
}

} // namespace lum
