#include "lum/app/system_profile.hpp"

#include "lum/platform/system_info.hpp"
#include "lum/text/format.hpp"

#include <cstdio>

namespace lum {

SystemProfile& SystemProfile::instance() {
    static SystemProfile profile;
    return profile;
}

uint32_t user_hash_of(const String& text) {
    uint32_t h = 0;
    for (char16_t u : text)
        h = ((h << 4) | (h >> 28)) ^ u;
    return h;
}

namespace {

String as_folder(const String& path) {
    if (path.empty())
        return String("/");
    return path.At(-1) == Char('/') ? path : path + Char('/');
}

String architecture_of(const String& machine) {
    if (machine == String("x86_64"))
        return String("x86-AMD64");
    String m = machine;
    if (m.length() == 4 && m.At(0) == Char('i') && m.find(String("86")) == 2)
        return String("x86-32");
    return machine;
}

} // namespace

void probe_environment() {
    SystemProfile& p = SystemProfile::instance();
    p.current_directory = as_folder(platform::current_directory());
    p.desktop_directory = as_folder(platform::desktop_directory());
    p.fonts_directory = as_folder(platform::fonts_directory());
    p.user_name = platform::user_name();

    platform::OsInfo os = platform::os_info();
    p.is_64bit = platform::is_64bit_system();
    const char* bits = p.is_64bit ? "x64" : "x32";
    p.display_adapter = platform::display_adapter();
    p.architecture = architecture_of(os.machine);
    p.machine_class = String("IBM-PC/AT Compatible");
    p.computer_name = platform::host_name();
    p.memory_mb = platform::installed_memory_mb();
    p.build_info =
        Format("{0} {1}.{2}.{3} {4} ({5})", os.system, os.major, os.minor, os.patch, os.version, bits);
    p.platform_text = Format("{0} {1}", os.system, bits);
    p.release_date = String("unknown");
    p.build_version = String::from_int64(os.patch);
    p.revision = 0;

    p.user_hash = user_hash_of(p.build_info + p.user_name + p.display_adapter);
}

} // namespace lum
