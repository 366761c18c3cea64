#include "lum/app/boot/library_step.hpp"

#include "lum/app/boot/font_library.hpp"
#include "lum/app/process/system_profile.hpp"
#include "lum/graphics/picture_library.hpp"
#include "lum/graphics/renderer.hpp"
#include "lum/platform/system_info.hpp"
#include "lum/platform/window.hpp"

namespace lum {

namespace {

void set_processor_facts(SystemProfile& p, const platform::ProcessorInfo& cpu) {
    p.cpu_name = cpu.brand;
    p.cpu_logical_cores = cpu.logical_cores;
    p.cpu_features = cpu.features;
    p.cpu_l1_code_kb = cpu.l1_code_kb;
    p.cpu_l1_data_kb = cpu.l1_data_kb;
    p.cpu_l2_kb = cpu.l2_kb;
    p.cpu_l3_kb = cpu.l3_kb;
    p.cpu_family = cpu.family;
    p.cpu_model = cpu.model;
    p.cpu_stepping = cpu.stepping;
}

// Linux has no editions (edition 0), so the system's own name stands alone.
void set_system_version(SystemProfile& p, const platform::OsInfo& os) {
    p.os_major = os.major;
    p.os_minor = os.minor;
    p.os_build = os.patch;
    p.edition = 0;
    p.system_name = os.pretty_name;
}

} // namespace

void run_library_step() {
    SystemProfile& p = SystemProfile::instance();
    set_processor_facts(p, platform::processor_info());
    start_picture_library();
    start_font_library();
    p.freetype_version = font_library_version();
    const platform::Version glfw = platform::window_system_version();
    p.glfw_version = {glfw.major, glfw.minor, glfw.revision};
    renderer().screen_mode = LETTERBOX;
    p.virtual_machine = virtual_machine_kind(platform::machine_identity());
    p.monitor_count = platform::monitor_count();
    p.freeimage_version = picture_library_version();
    set_keyboard_facts(p, platform::keyboard_type());
    set_system_version(p, platform::os_info());
}

} // namespace lum
