// Arbitrary bytes as a file that may be scrambled: read_all with every kind of
// encoding, and the picture loader's stream operations, must agree with the
// payload worked out directly from the bytes.

#include "lum/core/runtime_warning.hpp"
#include "lum/data/file.hpp"
#include "lum/data/scramble.hpp"
#include "lum/text/text_encoding.hpp"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

// One file rewritten for every input and removed at exit; in memory when the
// system offers a memory file system, since a disk makes the fuzzer wait.
struct ScratchFile {
    ScratchFile() {
        std::error_code ignored;
        std::filesystem::path folder = std::filesystem::is_directory("/dev/shm", ignored)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
        std::random_device entropy;
        path = (folder / ("lum-fuzz-scrambled-" + std::to_string(entropy()) + ".dat")).string();
    }
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    std::string path;
};

const std::string& scratch_path() {
    static const ScratchFile scratch;
    return scratch.path;
}

// The payload the file stands for, restored when it carries the marker.
std::string expected_payload(const std::string& stored) {
    if (stored.size() < lum::SCRAMBLE_MARKER_SIZE || stored.compare(0, 16, lum::SCRAMBLE_MARKER) != 0)
        return stored;
    std::string payload = stored.substr(16);
    const auto& k = lum::scramble_keystream();
    for (size_t i = 0; i < payload.size(); ++i)
        payload[i] = static_cast<char>(static_cast<uint8_t>(payload[i]) ^ k[i % 1024] ^ (i % 256));
    return payload;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool quiet = [] {
        std::freopen("/dev/null", "w", stdout);
        lum::WarningStack::push(false);
        return true;
    }();
    (void)quiet;
    if (size < 2)
        return 0;
    // Byte 0: the encoding and whether to put the marker in front; byte 1: how
    // many of the last bytes drive seeks and reads instead of being content.
    lum::TextEncoding encoding = data[0] % 16;
    bool add_marker = (data[0] & 0x10) != 0;
    size_t op_bytes = std::min<size_t>(data[1] % 32, size - 2);
    std::string stored = add_marker ? std::string(lum::SCRAMBLE_MARKER) : std::string();
    stored.append(reinterpret_cast<const char*>(data + 2), size - 2 - op_bytes);
    const uint8_t* ops = data + size - op_bytes;
    {
        std::ofstream out(scratch_path(), std::ios::binary | std::ios::trunc);
        out.write(stored.data(), static_cast<std::streamsize>(stored.size()));
    }
    std::string payload = expected_payload(stored);
    bool scrambled = payload.size() != stored.size();

    lum::File file;
    file.open(lum::Path(scratch_path().c_str()), lum::FILE_READ);
    if (file.scrambled() != scrambled)
        __builtin_trap();
    lum::String text, expected;
    file.read_all(encoding, text);
    lum::decode_text(expected, payload, encoding);
    if (text != expected || file.position() != payload.size())
        __builtin_trap();

    // Seeks and reads anywhere, the marker and beyond the end included.
    long length = static_cast<long>(payload.size());
    for (size_t i = 0; i + 1 < op_bytes; i += 2) {
        long target = static_cast<long>(ops[i + 1]) * length / 255 - 20 + (ops[i] >> 3);
        int origin = ops[i] % 3 == 0 ? SEEK_SET : ops[i] % 3 == 1 ? SEEK_CUR : SEEK_END;
        long before = file.tell();
        long offset = origin == SEEK_SET ? target : origin == SEEK_CUR ? target - before : target - length;
        int result = file.seek(offset, origin);
        if ((result == 0) != (target >= 0))
            __builtin_trap(); // only positions before the payload are refused
        long now = file.tell();
        if (now != (result == 0 ? target : before))
            __builtin_trap();
        char buffer[64];
        size_t want = ops[i] % sizeof buffer;
        size_t got = file.read(buffer, 1, want);
        size_t avail = now < length ? static_cast<size_t>(length - now) : 0;
        if (got != std::min(want, avail) ||
            (got > 0 && payload.compare(static_cast<size_t>(now), got, buffer, got) != 0))
            __builtin_trap();
    }
    return 0;
}
