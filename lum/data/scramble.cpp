#include "lum/data/scramble.hpp"

#include "lum/core/random.hpp"

namespace lum {

const std::array<uint8_t, SCRAMBLE_KEYSTREAM_SIZE>& scramble_keystream() {
    static const std::array<uint8_t, SCRAMBLE_KEYSTREAM_SIZE> keystream = [] {
        std::array<uint8_t, SCRAMBLE_KEYSTREAM_SIZE> k{};
        Random generator;
        generator.init_by_array(SCRAMBLE_SEED.data(), SCRAMBLE_SEED.size());
        for (uint8_t& byte : k)
            byte = static_cast<uint8_t>(generator.genrand_int32() & 0xFFu);
        return k;
    }();
    return keystream;
}

void scramble_bytes(uint8_t* data, size_t size, uint64_t offset) {
    const auto& k = scramble_keystream();
    for (size_t j = 0; j < size; ++j) {
        uint64_t i = offset + j;
        data[j] ^= static_cast<uint8_t>(k[i % SCRAMBLE_KEYSTREAM_SIZE] ^ (i % 256));
    }
}

std::string scrambled_file(std::string_view payload) {
    std::string out;
    out.reserve(SCRAMBLE_MARKER_SIZE + payload.size());
    out.append(SCRAMBLE_MARKER);
    out.append(payload);
    scramble_bytes(reinterpret_cast<uint8_t*>(out.data() + SCRAMBLE_MARKER_SIZE), payload.size(), 0);
    return out;
}

} // namespace lum
