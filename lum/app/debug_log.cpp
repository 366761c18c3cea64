#include "lum/app/debug_log.hpp"

#include "lum/app/system_profile.hpp"
#include "lum/text/debug_out.hpp"
#include "lum/text/format.hpp"

namespace lum {

TextLogFile::~TextLogFile() {
    if (file_)
        std::fclose(file_);
}

String TextLogFile::file_name(uint32_t user_hash) const {
    return Format(String(file_name_pattern()), user_hash);
}

void TextLogFile::write_line(const String& text) {
    if (!file_) {
        std::string name = file_name(SystemProfile::instance().user_hash).to_utf8();
        file_ = std::fopen(name.c_str(), "wb");
        if (file_) {
            std::fputc(0xEF, file_);
            std::fputc(0xBB, file_);
            std::fputc(0xBF, file_);
        }
    }
    debug_out << text << "\n";
    if (file_) {
        std::string bytes = text.to_utf8();
        std::fwrite(bytes.data(), 1, bytes.size(), file_);
        std::fputc(0x0A, file_);
        std::fflush(file_);
    }
}

DebugLog& DebugLog::instance() {
    static DebugLog log;
    return log;
}

} // namespace lum
