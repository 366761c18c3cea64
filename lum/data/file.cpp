#include "lum/data/file.hpp"

#include "lum/core/unimplemented.hpp"
#include "lum/data/scramble.hpp"
#include "lum/error/exception.hpp"
#include "lum/platform/file_system.hpp"
#include "lum/text/format.hpp"

#include <cerrno>
#include <cstring>
#include <limits>
#include <string>

namespace lum {

namespace {

const char* const OPEN_MODES[] = {"rb", "wb", "rb+"};

// The system's text for an error number ("No such file or directory").
String error_text_of(int error_number) {
    return String(std::strerror(error_number));
}

} // namespace

File::~File() {
    close();
}

void File::open(const Path& path, int32_t mode) {
    open_full_path(path.filename(), path.to_string(), mode);
}

void File::open_full_path(const String& name, const String& full_path, int32_t mode) {
    close();
    name_ = name;
    full_path_ = full_path;
    position_ = 0;
    scrambled_ = false;
    failed_ = false;
    error_text_ = String();
    direction_ = Direction::NONE;
    if (mode < FILE_READ || mode > FILE_READ_WRITE)
        refuse(Format("unknown file mode {0}", mode));

    errno = 0;
    stream_ = std::fopen(full_path_.to_utf8().c_str(), OPEN_MODES[mode]);
    if (!stream_)
        refuse(error_text_of(errno != 0 ? errno : EINVAL));
    if (mode != FILE_WRITE)
        check_marker();
}

void File::refuse(const String& reason) {
    if (stream_)
        std::fclose(stream_);
    stream_ = nullptr;
    failed_ = true;
    error_text_ = reason;
    throw FileOpenException(Format("cannot open '{0}': {1}", full_path_, reason));
}

// A file shorter than the marker, or one that does not begin with it, is read
// as plain from offset 0. A stream that cannot be read at all (a folder opens
// for reading on Linux) is refused here rather than read as empty.
void File::check_marker() {
    char header[SCRAMBLE_MARKER_SIZE];
    errno = 0;
    size_t got = std::fread(header, 1, sizeof header, stream_);
    if (got < sizeof header && std::ferror(stream_)) {
        refuse(error_text_of(errno != 0 ? errno : EIO));
    }
    if (got == sizeof header && std::string_view(header, sizeof header) == SCRAMBLE_MARKER) {
        scrambled_ = true;
        scramble_keystream();
        return;
    }
    std::clearerr(stream_);
    std::fseek(stream_, 0, SEEK_SET);
}

bool File::close() {
    if (!stream_)
        return true;
    bool ok = std::fclose(stream_) == 0;
    stream_ = nullptr;
    if (!ok)
        note_failure(errno);
    scrambled_ = false;
    return ok;
}

bool File::failed() const {
    return failed_ || (stream_ && std::ferror(stream_));
}

void File::note_failure(int error_number) {
    if (failed_)
        return;
    failed_ = true;
    error_text_ = error_text_of(error_number != 0 ? error_number : EIO);
}

// Reads up to size payload bytes, restoring them when the file is scrambled.
// The keystream index is the byte's offset from the payload's start, so reads
// after a seek restore correctly.
size_t File::read_payload(uint8_t* buffer, size_t size) {
    if (!stream_ || size == 0)
        return 0;
    switch_direction(Direction::READING);
    long offset = scrambled_ ? std::ftell(stream_) : 0;
    errno = 0;
    size_t got = std::fread(buffer, 1, size, stream_);
    if (got < size && std::ferror(stream_))
        note_failure(errno);
    if (scrambled_ && got > 0) {
        uint64_t index = offset >= static_cast<long>(SCRAMBLE_MARKER_SIZE)
                             ? static_cast<uint64_t>(offset) - SCRAMBLE_MARKER_SIZE
                             : position_;
        scramble_bytes(buffer, got, index);
    }
    position_ += static_cast<uint32_t>(got);
    return got;
}

void File::read_all(TextEncoding code, String& out) {
    out = String();
    if (!is_known_encoding(code)) {
        unimplemented("lum::File::read_all", code);
        return;
    }
    if (!stream_)
        return;
    std::string bytes;
    read_all_bytes(bytes);
    decode_text(out, bytes, code);
}

void File::read_all_bytes(std::string& bytes) {
    bytes.clear();
    if (!stream_)
        return;
    // Read straight into the result instead of asking the size first: a
    // settings file of a few hundred bytes then costs one read and the
    // end-of-file check. A larger file is measured once, so that it is read
    // into one block of the right size rather than copied through doubling
    // ones, each new to the process.
    size_t size = 0;
    size_t room = 4096;
    for (;;) {
        bytes.resize(room);
        size_t want = room - size;
        size_t got = read_payload(reinterpret_cast<uint8_t*>(bytes.data() + size), want);
        size += got;
        if (got < want)
            break;
        size_t left = size == 4096 ? bytes_left() : 0;
        // One byte more than what is left, so that the read sees the end.
        room = left > 0 ? size + left + 1 : room * 2;
    }
    bytes.resize(size);
    if (std::ferror(stream_))
        throw IOException(Format("cannot read '{0}': {1}", full_path_, error_text_));
}

size_t File::bytes_left() {
    long here = std::ftell(stream_);
    if (here < 0 || std::fseek(stream_, 0, SEEK_END) != 0)
        return 0;
    long end = std::ftell(stream_);
    // Reading on from anywhere else would lose bytes without a word.
    if (std::fseek(stream_, here, SEEK_SET) != 0) {
        note_failure(errno);
        throw IOException(Format("cannot read '{0}': {1}", full_path_, error_text_));
    }
    return end > here ? static_cast<size_t>(end - here) : 0;
}

// The C library needs a positioning call between writing and reading the
// same stream; File makes it so that callers may mix them freely.
void File::switch_direction(Direction next) {
    if (direction_ != Direction::NONE && direction_ != next)
        std::fseek(stream_, 0, SEEK_CUR);
    direction_ = next;
}

void File::write_bytes(const char* bytes, size_t size) {
    if (!stream_ || size == 0)
        return;
    switch_direction(Direction::WRITING);
    errno = 0;
    if (std::fwrite(bytes, 1, size, stream_) != size)
        note_failure(errno);
}

void File::write_text(const String& text) {
    std::string bytes = text.to_utf8();
    write_bytes(bytes.data(), bytes.size());
}

void File::write_line(const String& text) {
    std::string bytes = text.to_utf8();
    bytes += '\n';
    write_bytes(bytes.data(), bytes.size());
}

void File::write_repeat(const String& text, int32_t n) {
    if (n <= 0)
        return;
    std::string once = text.to_utf8();
    if (once.empty())
        return;
    for (int32_t i = 0; i < n; ++i)
        write_bytes(once.data(), once.size());
}

bool File::flush() {
    if (!stream_)
        return false;
    errno = 0;
    if (std::fflush(stream_) == 0)
        return true;
    note_failure(errno);
    return false;
}

bool File::sync() {
    if (!stream_)
        return false;
    errno = 0;
    if (platform::sync_stream(stream_))
        return true;
    note_failure(errno);
    return false;
}

size_t File::read(void* buffer, size_t size, size_t count) {
    if (size == 0 || count == 0 || !buffer)
        return 0;
    if (count > std::numeric_limits<size_t>::max() / size)
        count = std::numeric_limits<size_t>::max() / size;
    size_t got = read_payload(static_cast<uint8_t*>(buffer), size * count);
    return got / size;
}

size_t File::write(const void* buffer, size_t size, size_t count) {
    if (!stream_ || size == 0 || count == 0 || !buffer)
        return 0;
    switch_direction(Direction::WRITING);
    errno = 0;
    size_t written = std::fwrite(buffer, size, count, stream_);
    if (written != count)
        note_failure(errno);
    return written;
}

int File::seek(long offset, int origin) {
    if (!stream_)
        return -1;
    if (origin != SEEK_SET && origin != SEEK_CUR && origin != SEEK_END)
        return -1;
    int result = scrambled_ ? seek_payload(offset, origin) : std::fseek(stream_, offset, origin);
    if (result == 0)
        direction_ = Direction::NONE;
    return result;
}

// Offsets from the start skip the marker; no seek may land inside it.
int File::seek_payload(long offset, int origin) {
    const long header = static_cast<long>(SCRAMBLE_MARKER_SIZE);
    if (origin == SEEK_SET) {
        if (offset < 0 || offset > std::numeric_limits<long>::max() - header)
            return -1;
        return std::fseek(stream_, offset + header, SEEK_SET);
    }
    long before = std::ftell(stream_);
    if (before < 0 || std::fseek(stream_, offset, origin) != 0)
        return -1;
    if (std::ftell(stream_) < header) {
        std::fseek(stream_, before, SEEK_SET);
        return -1;
    }
    return 0;
}

long File::tell() {
    if (!stream_)
        return -1;
    long offset = std::ftell(stream_);
    if (offset < 0 || !scrambled_)
        return offset;
    return offset - static_cast<long>(SCRAMBLE_MARKER_SIZE);
}

} // namespace lum
