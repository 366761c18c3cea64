#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lum {

// Scrambled asset files: the 16-byte marker, then the payload with byte i
// (counted from 0 after the marker) stored as plain byte i XOR K[i mod 1024]
// XOR (i mod 256). K is the low byte of the first 1024 outputs of MT19937
// after init_by_array with the four words below.

// The marker, 16 ASCII bytes with no terminator in the file.
inline constexpr std::string_view SCRAMBLE_MARKER = "[LUM::Encrypted]";
inline constexpr size_t SCRAMBLE_MARKER_SIZE = 16;
inline constexpr size_t SCRAMBLE_KEYSTREAM_SIZE = 1024;

// The engine's fixed scrambling seed. The last word is not zero, so tools that
// take the key as one 128-bit number (first word lowest) build the same key.
inline constexpr std::array<uint32_t, 4> SCRAMBLE_SEED = {0x3A6D756Cu, 0x61726373u, 0x656C626Du, 0x3179656Bu};

// The keystream K, built once on first use.
const std::array<uint8_t, SCRAMBLE_KEYSTREAM_SIZE>& scramble_keystream();

// Scrambles or restores (the same operation) size payload bytes in place;
// offset is the payload index of data[0].
void scramble_bytes(uint8_t* data, size_t size, uint64_t offset);

// The whole scrambled file for a payload: the marker, then the scrambled bytes.
std::string scrambled_file(std::string_view payload);

} // namespace lum
