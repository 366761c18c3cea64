#include "lum/app/frame/screenshot.hpp"

#include "lum/app/frame/frame_state.hpp"
#include "lum/app/frame/notice.hpp"
#include "lum/app/process/system_profile.hpp"
#include "lum/error/exception.hpp"
#include "lum/graphics/png_writer.hpp"
#include "lum/platform/file_system.hpp"
#include "lum/platform/time.hpp"
#include "lum/text/debug_out.hpp"
#include "lum/text/format.hpp"

namespace lum {

String screenshot_file_name() {
    const platform::LocalTime t = platform::local_time();
    return Format("halvane-screenshot-{0:D4}{1:D2}{2:D2}-{3:D2}{4:D2}{5:D2}.png", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
}

bool save_screenshot(const String& file_name) {
    const String& folder = SystemProfile::instance().desktop_directory;
    String path = folder + file_name;
    auto fail = [&](const String& reason) {
        debug_out << Format("save_screenshot: {0}", reason) << "\n";
        return false;
    };
    if (folder.empty() || !platform::is_directory(folder))
        return fail(Format("cannot write '{0}': no folder '{1}'", path, folder));
    try {
        write_png(Path(path), frame_state().screen_target);
    } catch (const Exception& e) {
        return fail(describe(e));
    }
    return true;
}

void take_screenshot() {
    bool saved = save_screenshot(screenshot_file_name());
    show_notice(String(saved ? "Screenshot saved" : "Screenshot failed"));
}

} // namespace lum
