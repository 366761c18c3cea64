#include "lum/app/process/debug_log.hpp"

#include "lum/app/process/system_profile.hpp"
#include "lum/data/path.hpp"
#include "lum/error/exception.hpp"
#include "lum/text/debug_out.hpp"
#include "lum/text/format.hpp"

namespace lum {

String TextLogFile::file_name(uint32_t user_hash) const {
    return Format(String(file_name_pattern()), user_hash);
}

void TextLogFile::write_line(const String& text) {
    if (!file_.is_open()) {
        try {
            file_.open(Path(file_name(SystemProfile::instance().user_hash)), FILE_WRITE);
            const char bom[] = {'\xEF', '\xBB', '\xBF'};
            for (char b : bom)
                file_.write(&b, 1, 1);
        } catch (const Exception&) {
            // No log file this time; the echo still happens and the next line tries again.
        }
    }
    debug_out << text << "\n";
    if (file_.is_open()) {
        file_.write_line(text);
        file_.flush();
    }
}

DebugLog& DebugLog::instance() {
    static DebugLog log;
    return log;
}

} // namespace lum
