#pragma once

#include <cstddef>
#include <string>

namespace lum::platform {

// Reads a file as it grows, as `tail -f` does, without ever blocking.
class FileFollower {
  public:
    FileFollower() = default;
    FileFollower(const FileFollower&) = delete;
    FileFollower& operator=(const FileFollower&) = delete;
    ~FileFollower();

    // Opens path to be read from its start; false, with the system's reason
    // in error, when it cannot. An open file is closed first.
    bool open(const std::string& path, std::string& error);
    void close();

    // At most this many bytes come from one call, so that an endless file
    // (a device such as /dev/zero) neither stalls a frame nor fills memory.
    static constexpr size_t READ_LIMIT = size_t{1} << 20;

    // The bytes written since the last call, up to READ_LIMIT (the rest comes
    // with the next calls); empty when none or not open.
    std::string read_new();

  private:
    int fd_ = -1;
};

} // namespace lum::platform
