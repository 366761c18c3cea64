#include "lum/data/atomic_file.hpp"

#include "lum/error/exception.hpp"
#include "lum/platform/file_system.hpp"
#include "lum/text/format.hpp"

#include <cerrno>
#include <cstring>

namespace lum {

namespace {

// The folder part of a full path, "/" included; empty for a bare name.
String folder_of(const String& full_path) {
    const std::u16string& units = full_path.units();
    size_t slash = units.rfind(u'/');
    if (slash == std::u16string::npos)
        return String();
    return String(units.substr(0, slash + 1));
}

// A name no other writer uses at the same time: the process id and a count.
String temporary_name_for(const String& filename) {
    static uint32_t count = 0;
    ++count;
    return Format(".{0}.{1}-{2}.tmp", filename, platform::process_id(), count);
}

} // namespace

AtomicFile::AtomicFile(const Path& target, MissingFolder missing) {
    target_path_ = target.to_string();
    String folder = folder_of(target_path_);
    if (!folder.empty() && !platform::is_directory(folder)) {
        if (missing == MissingFolder::REFUSE)
            throw FileOpenException(Format("cannot write '{0}': no folder '{1}'", target_path_, folder));
        errno = 0;
        if (!platform::make_directories(folder)) {
            int error_number = errno != 0 ? errno : EIO;
            throw FileOpenException(Format("cannot write '{0}': cannot create folder '{1}': {2}",
                                           target_path_, folder, String(std::strerror(error_number))));
        }
    }
    String temporary_name = temporary_name_for(target.filename());
    temporary_path_ = folder + temporary_name;
    try {
        file_.open_full_path(temporary_name, temporary_path_, FILE_WRITE);
    } catch (const FileOpenException&) {
        throw FileOpenException(Format("cannot write '{0}': {1}", target_path_, file_.error_text()));
    }
}

AtomicFile::~AtomicFile() {
    if (committed_)
        return;
    file_.close();
    platform::remove_file(temporary_path_);
}

void AtomicFile::fail(const String& reason) {
    file_.close();
    platform::remove_file(temporary_path_);
    committed_ = true; // nothing is left for the destructor to undo
    throw FileOpenException(Format("cannot write '{0}': {1}", target_path_, reason));
}

void AtomicFile::commit() {
    if (committed_ || !file_.is_open())
        throw FileOpenException(Format("cannot write '{0}': already committed", target_path_));
    if (file_.failed())
        fail(file_.error_text());
    if (!file_.sync())
        fail(file_.error_text());
    if (!file_.close())
        fail(file_.error_text());
    errno = 0;
    if (!platform::rename_file(temporary_path_, target_path_))
        fail(String(std::strerror(errno != 0 ? errno : EIO)));
    committed_ = true;
    // The new name is in place; syncing the folder only makes it survive a
    // power cut, so a failure here does not undo the save.
    platform::sync_directory(folder_of(target_path_));
}

void AtomicFile::write_all(const Path& target, std::string_view bytes) {
    AtomicFile out(target);
    out.file().write(bytes.data(), 1, bytes.size());
    out.commit();
}

} // namespace lum
