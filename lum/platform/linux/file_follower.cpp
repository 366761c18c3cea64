#include "lum/platform/file_follower.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lum::platform {

FileFollower::~FileFollower() {
    close();
}

bool FileFollower::open(const std::string& path, std::string& error) {
    close();
    // Non-blocking, so that a named pipe with no writer cannot stall a frame.
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        error = std::strerror(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
        close();
        error = std::strerror(EISDIR);
        return false;
    }
    return true;
}

void FileFollower::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

std::string FileFollower::read_new() {
    std::string bytes;
    if (fd_ < 0)
        return bytes;
    char buffer[65536];
    while (bytes.size() < READ_LIMIT) {
        ssize_t n = ::read(fd_, buffer, std::min(sizeof buffer, READ_LIMIT - bytes.size()));
        if (n > 0)
            bytes.append(buffer, static_cast<size_t>(n));
        else if (n < 0 && errno == EINTR)
            continue;
        else
            return bytes;
    }
    return bytes;
}

} // namespace lum::platform
