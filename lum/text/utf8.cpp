#include "lum/text/utf8.hpp"

#include "lum/core/runtime_warning.hpp"
#include "lum/text/debug_out.hpp"

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace lum {

namespace {

constexpr uint64_t HIGH_BITS = 0x8080808080808080ull;

// True when the eight bytes at p are all ASCII.
inline bool ascii8(const unsigned char* p) {
    uint64_t w;
    std::memcpy(&w, p, 8);
    return (w & HIGH_BITS) == 0;
}

// True when the eight bytes at p are all ASCII and none is zero.
inline bool nonzero_ascii8(const unsigned char* p) {
    uint64_t w;
    std::memcpy(&w, p, 8);
    uint64_t zero = (w - 0x0101010101010101ull) & ~w & HIGH_BITS;
    return ((w & HIGH_BITS) | zero) == 0;
}

// True when the eight units at p are all ASCII.
inline bool ascii_units8(const char16_t* p) {
    uint64_t low;
    uint64_t high;
    std::memcpy(&low, p, 8);
    std::memcpy(&high, p + 4, 8);
    return ((low | high) & 0xFF80FF80FF80FF80ull) == 0;
}

// The low bytes of four 16-bit units, packed into 32 bits in order.
inline uint64_t pack4(uint64_t w) {
    w |= w >> 8;
    w &= 0x0000FFFF0000FFFFull;
    w |= w >> 16;
    return w & 0xFFFFFFFFull;
}

// Writes eight ASCII units at p as eight bytes at o.
inline void narrow8(char* o, const char16_t* p) {
    uint64_t low;
    uint64_t high;
    std::memcpy(&low, p, 8);
    std::memcpy(&high, p + 4, 8);
    uint64_t bytes = pack4(low) | (pack4(high) << 32);
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(o, &bytes, 8);
    } else {
        for (int i = 0; i < 8; ++i)
            o[i] = static_cast<char>(p[i]);
    }
}

// Narrows the ASCII units at the start of the sixteen at p into o, which has
// room for sixteen bytes (bytes past the count are left undefined); returns
// how many there were.
inline size_t narrow_ascii16(char* o, const char16_t* p) {
#ifdef __SSE2__
    __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 8));
    const __m128i above = _mm_set1_epi16(static_cast<short>(0xFF80));
    const __m128i zero = _mm_setzero_si128();
    unsigned ascii = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(low, above), zero))) |
                     static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(high, above), zero))) << 16;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(o), _mm_packus_epi16(low, high));
    return ascii == 0xFFFFFFFFu ? 16 : static_cast<size_t>(std::countr_one(ascii)) / 2;
#else
    if (ascii_units8(p)) {
        narrow8(o, p);
        if (ascii_units8(p + 8)) {
            narrow8(o + 8, p + 8);
            return 16;
        }
        size_t n = 8;
        while (p[n] < 0x80)
            o[n] = static_cast<char>(p[n]), ++n;
        return n;
    }
    size_t n = 0;
    while (p[n] < 0x80)
        o[n] = static_cast<char>(p[n]), ++n;
    return n;
#endif
}

inline bool continuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Decodes a well-formed one-, two- or three-byte sequence at p into *o and
// advances both; false, with neither moved, for anything else.
inline bool decode_plain(const unsigned char*& p, const unsigned char* end, char16_t*& o) {
    unsigned b = p[0];
    if (b < 0x80) {
        *o++ = static_cast<char16_t>(b);
        ++p;
        return true;
    }
    if (b >= 0xC2 && b <= 0xDF && end - p >= 2 && continuation(p[1])) {
        *o++ = static_cast<char16_t>(((b & 0x1F) << 6) | (p[1] & 0x3F));
        p += 2;
        return true;
    }
    if (b >= 0xE0 && b <= 0xEF && end - p >= 3 && continuation(p[1]) && continuation(p[2])) {
        *o++ = static_cast<char16_t>((b << 12) | ((p[1] & 0x3F) << 6) | (p[2] & 0x3F));
        p += 3;
        return true;
    }
    return false;
}

// Where a text that cannot be UTF-8 most likely comes from, judged by its first bad byte.
const char* guess_encoding(unsigned char b) {
    if (b >= 0x81 && b <= 0x9F)
        return "Shift_JIS";
    if ((b >= 0xA1 && b <= 0xA8) || b == 0xAD || (b >= 0xB0 && b <= 0xC1))
        return "EUC-JP";
    return "unknown";
}

void report_illegal_lead(unsigned char b) {
    char line[80];
    // The line ends with a newline so that the next record keeps a line of its own.
    std::snprintf(line, sizeof line, "[warning][utf8_fetch] Illegal utf-8 1st byte [0x%02X](%s?)\n", b,
                  guess_encoding(b));
    debug_out << line;
}

inline bool is_surrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDFFF;
}

// Writes the surrogate at p as PAIRED asks; returns where the next unit starts.
const char16_t* put_paired(char*& o, const char16_t* p, const char16_t* end) {
    if (p[0] <= 0xDBFF && end - p >= 2 && p[1] >= 0xDC00 && p[1] <= 0xDFFF) {
        char32_t c = 0x10000 + ((static_cast<char32_t>(p[0]) - 0xD800) << 10) + (p[1] - 0xDC00);
        *o++ = static_cast<char>(0xF0 | (c >> 18));
        *o++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *o++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *o++ = static_cast<char>(0x80 | (c & 0x3F));
        return p + 2;
    }
    *o++ = static_cast<char>(0xEF);
    *o++ = static_cast<char>(0xBF);
    *o++ = static_cast<char>(0xBD);
    return p + 1;
}

// Writes the character at p (one unit, or a pair as PAIRED asks) at o, four
// bytes at most; returns where the next one starts.
template <SurrogateForm FORM>
inline const char16_t* put_char(char*& o, const char16_t* p, const char16_t* end) {
    char16_t u = *p;
    if (u < 0x80) {
        *o++ = static_cast<char>(u);
    } else if (u < 0x800) {
        *o++ = static_cast<char>(0xC0 | (u >> 6));
        *o++ = static_cast<char>(0x80 | (u & 0x3F));
    } else if (FORM == SurrogateForm::PAIRED && is_surrogate(u)) {
        return put_paired(o, p, end);
    } else {
        *o++ = static_cast<char>(0xE0 | (u >> 12));
        *o++ = static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        *o++ = static_cast<char>(0x80 | (u & 0x3F));
    }
    return p + 1;
}

// o has room for exactly what the units give, so while sixteen units are
// left there are at least sixteen bytes of room.
template <SurrogateForm FORM>
char* encode(char* o, const char16_t* p, const char16_t* end) {
    while (p < end) {
        if (end - p >= 16) {
            size_t n = narrow_ascii16(o, p);
            o += n;
            p += n;
            if (n == 16)
                continue;
        }
        p = put_char<FORM>(o, p, end);
    }
    return o;
}

} // namespace

void encode_utf8(std::string& out, const char16_t* units, size_t count, SurrogateForm form) {
    // Three bytes a unit at most: a pair's four bytes and U+FFFD's three fit too.
    size_t bytes = 0;
    size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        if (ascii_units8(units + i)) {
            bytes += 8;
            continue;
        }
        for (size_t k = i; k < i + 8; ++k)
            bytes += units[k] < 0x80 ? 1 : units[k] < 0x800 ? 2 : 3;
    }
    for (; i < count; ++i)
        bytes += units[i] < 0x80 ? 1 : units[i] < 0x800 ? 2 : 3;
    size_t start = out.size();
    out.resize(start + bytes);
    char* o = out.data() + start;
    if (form == SurrogateForm::SEPARATE)
        o = encode<SurrogateForm::SEPARATE>(o, units, units + count);
    else
        o = encode<SurrogateForm::PAIRED>(o, units, units + count);
    out.resize(static_cast<size_t>(o - out.data()));
}

size_t encode_utf8_paired(char* out, size_t room, const char16_t*& units, const char16_t* end) {
    char* o = out;
    char* const stop = out + room;
    const char16_t* p = units;
    // Runs of ASCII while sixteen bytes fit, then one character at a time
    // while its longest form (four bytes) fits.
    while (p < end) {
        if (stop - o >= 16 && end - p >= 16) {
            size_t n = narrow_ascii16(o, p);
            o += n;
            p += n;
            if (n == 16)
                continue;
        }
        if (stop - o < 4)
            break;
        p = put_char<SurrogateForm::PAIRED>(o, p, end);
    }
    units = p;
    return static_cast<size_t>(o - out);
}

char16_t fetch_utf8(const unsigned char*& p, const unsigned char* end) {
    unsigned b = *p;
    if (b < 0x80) {
        ++p;
        return static_cast<char16_t>(b);
    }
    if (b <= 0xC1) {
        report_illegal_lead(static_cast<unsigned char>(b));
        p = end;
        return 0;
    }
    if (b >= 0xFE) {
        std::string rest(reinterpret_cast<const char*>(p), static_cast<size_t>(end - p));
        runtime_warning("utf8_fetch", "unicode decode", "s", rest.c_str());
        ++p;
        return 0;
    }
    int extra = b <= 0xDF ? 1 : b <= 0xEF ? 2 : b <= 0xF7 ? 3 : b <= 0xFB ? 4 : 5;
    unsigned unit = b <= 0xDF ? (b & 0x1Fu) : (b <= 0xEF ? b : 0u);
    ++p;
    int read = 0;
    unsigned tail = 0;
    // A zero byte (or the end) inside the sequence ends it early.
    while (read < extra && p < end && *p != 0) {
        tail = (tail << 6) | (*p & 0x3Fu);
        ++p;
        ++read;
    }
    if (b >= 0xF0)
        return u'\u3013';
    if (b <= 0xDF)
        return static_cast<char16_t>(read ? (unit << 6) | tail : unit << 6);
    // Three-byte form: the lead's bits above the continuation bits, cut to 16 bits.
    return static_cast<char16_t>((unit << 12) | (tail << (6 * (2 - read))));
}

size_t count_utf8_units(const unsigned char* p, const unsigned char* end) {
    size_t n = 0;
    while (p < end) {
        if (end - p >= 8 && ascii8(p)) {
            n += 8;
            p += 8;
            continue;
        }
        unsigned b = *p;
        if (b < 0x80) {
            ++n;
            ++p;
            continue;
        }
        if (b <= 0xBF)
            return 0;
        if (b >= 0xFE) {
            ++p;
            continue;
        }
        int len = b <= 0xDF ? 2 : b <= 0xEF ? 3 : b <= 0xF7 ? 4 : b <= 0xFB ? 5 : 6;
        ++n;
        ++p;
        for (int i = 1; i < len; ++i) {
            if (p >= end || *p == 0)
                return n;
            ++p;
        }
    }
    return n;
}

void decode_utf8_units(const unsigned char* p, const unsigned char* end, char16_t* out, size_t n) {
    char16_t* o = out;
    char16_t* last = out + n;
    while (o < last) {
        if (p >= end) {
            *o++ = 0;
            continue;
        }
        if (last - o >= 8 && end - p >= 8 && ascii8(p)) {
            for (int k = 0; k < 8; ++k)
                o[k] = p[k];
            o += 8;
            p += 8;
            continue;
        }
        if (!decode_plain(p, end, o))
            *o++ = fetch_utf8(p, end);
    }
}

size_t decode_utf8_append(const unsigned char* p, const unsigned char* end, char16_t* out) {
    char16_t* o = out;
    while (p < end) {
        if (end - p >= 8 && nonzero_ascii8(p)) {
            for (int k = 0; k < 8; ++k)
                o[k] = p[k];
            o += 8;
            p += 8;
            continue;
        }
        if (*p == 0)
            break;
        if (decode_plain(p, end, o))
            continue;
        bool illegal = *p <= 0xC1;
        // A zero unit from FE or FF is appended too; an illegal lead ends the append.
        *o++ = fetch_utf8(p, end);
        if (illegal)
            break;
    }
    return static_cast<size_t>(o - out);
}

bool utf8_round_trips(std::string_view bytes) {
    auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const unsigned char* end = p + bytes.size();
    while (p < end) {
        // ASCII, the bulk of most texts, eight bytes at a time.
        while (end - p >= 8 && nonzero_ascii8(p))
            p += 8;
        if (p == end)
            break;
        unsigned b = *p;
        if (b == 0)
            return false;
        if (b < 0x80) {
            ++p;
            continue;
        }
        if (b >= 0xC2 && b <= 0xDF) {
            if (end - p < 2 || !continuation(p[1]))
                return false;
            p += 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            if (end - p < 3 || !continuation(p[1]) || !continuation(p[2]))
                return false;
            // No overlong forms (E0 80..9F) and no surrogates (ED A0..BF).
            if ((b == 0xE0 && p[1] < 0xA0) || (b == 0xED && p[1] >= 0xA0))
                return false;
            p += 3;
        } else {
            return false;
        }
    }
    return true;
}

} // namespace lum
