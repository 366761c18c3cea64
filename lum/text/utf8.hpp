#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lum {

// The engine's one UTF-8 codec. Decoding gives one UTF-16 unit per sequence:
// characters above U+FFFF become U+3013 (GETA MARK), and bad bytes are
// handled as String's contract says. String's conversions are built on it.

// How the encoder writes surrogate units.
enum class SurrogateForm {
    // Every unit alone, in three bytes, as String::to_utf8 writes them.
    SEPARATE,
    // A pair as its one four-byte character and a lone surrogate as U+FFFD:
    // text that every UTF-8 reader (libyaml included) accepts.
    PAIRED,
};

// Appends the UTF-8 form of count units to out.
void encode_utf8(std::string& out, const char16_t* units, size_t count, SurrogateForm form);
// Writes the PAIRED form of the units from units to end into out, as many
// whole characters as fit in room bytes (never a pair cut in two), and
// advances units past them. Returns the bytes written; with room for at
// least four, that is 0 only when no unit is left.
size_t encode_utf8_paired(char* out, size_t room, const char16_t*& units, const char16_t* end);

// Reads one sequence at p (p < end), advances p and returns its unit. An
// illegal lead byte prints the illegal-byte line on the debug output, returns
// 0 and moves p to end; 0xFE and 0xFF warn and return 0.
char16_t fetch_utf8(const unsigned char*& p, const unsigned char* end);

// Number of units String's constructor makes of the bytes: 0 when a
// continuation byte stands where a sequence should start.
size_t count_utf8_units(const unsigned char* p, const unsigned char* end);
// Fills out with n fetched units (0 once the bytes run out).
void decode_utf8_units(const unsigned char* p, const unsigned char* end, char16_t* out, size_t n);
// Decodes units into out (room for end - p units) until a zero byte or the
// end, stopping after an illegal lead byte; returns how many were written.
size_t decode_utf8_append(const unsigned char* p, const unsigned char* end, char16_t* out);

// True when the bytes are UTF-8 that every decoder reads unit for unit and
// encode_utf8 writes back unchanged: well-formed one- to three-byte
// sequences, no NUL, no overlong form and no encoded surrogate.
bool utf8_round_trips(std::string_view bytes);

} // namespace lum
