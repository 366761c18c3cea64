#include "lum/graphics/free_image_io.hpp"

#include "lum/data/file.hpp"

#include <cstring>

namespace lum {

namespace {

File& file_of(fi_handle handle) {
    return *static_cast<File*>(handle);
}

// FreeImage's format checks compare a fixed number of bytes without looking at
// how many were read; the rest of the buffer is zeroed so that a short file
// is never matched against stale memory.
unsigned DLL_CALLCONV read_proc(void* buffer, unsigned size, unsigned count, fi_handle handle) {
    size_t got = file_of(handle).read(buffer, size, count);
    if (got < count && buffer)
        std::memset(static_cast<char*>(buffer) + got * size, 0, (static_cast<size_t>(count) - got) * size);
    return static_cast<unsigned>(got);
}

unsigned DLL_CALLCONV write_proc(void* buffer, unsigned size, unsigned count, fi_handle handle) {
    return static_cast<unsigned>(file_of(handle).write(buffer, size, count));
}

int DLL_CALLCONV seek_proc(fi_handle handle, long offset, int origin) {
    return file_of(handle).seek(offset, origin);
}

long DLL_CALLCONV tell_proc(fi_handle handle) {
    return file_of(handle).tell();
}

} // namespace

FreeImageIO file_image_io() {
    FreeImageIO io;
    io.read_proc = read_proc;
    io.write_proc = write_proc;
    io.seek_proc = seek_proc;
    io.tell_proc = tell_proc;
    return io;
}

} // namespace lum
