#include "lum/platform/file_system.hpp"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace lum::platform {

bool sync_stream(std::FILE* stream) {
    if (std::fflush(stream) != 0)
        return false;
    int fd = ::fileno(stream);
    if (fd < 0)
        return false;
    while (::fsync(fd) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

bool sync_directory(const String& path) {
    std::string folder = path.empty() ? std::string(".") : path.to_utf8();
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = ::fsync(fd) == 0;
    int saved = errno;
    ::close(fd);
    errno = saved;
    return ok;
}

bool rename_file(const String& from, const String& to) {
    return ::rename(from.to_utf8().c_str(), to.to_utf8().c_str()) == 0;
}

bool remove_file(const String& path) {
    return ::unlink(path.to_utf8().c_str()) == 0;
}

bool is_directory(const String& path) {
    struct stat st {};
    return ::stat(path.to_utf8().c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool path_exists(const String& path) {
    struct stat st {};
    return ::stat(path.to_utf8().c_str(), &st) == 0;
}

bool make_directories(const String& path) {
    std::string full = path.to_utf8();
    while (full.size() > 1 && full.back() == '/')
        full.pop_back();
    if (full.empty())
        return true;
    // Every prefix that ends before a "/", then the whole path.
    for (size_t end = full.find('/', 1);; end = full.find('/', end + 1)) {
        std::string part = full.substr(0, end);
        if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST)
            return false;
        if (end == std::string::npos)
            break;
    }
    struct stat st {};
    if (::stat(full.c_str(), &st) != 0)
        return false;
    if (!S_ISDIR(st.st_mode)) {
        errno = ENOTDIR;
        return false;
    }
    return true;
}

long process_id() {
    return static_cast<long>(::getpid());
}

} // namespace lum::platform
