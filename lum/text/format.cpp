#include "lum/text/format.hpp"

#include "lum/core/unimplemented.hpp"
#include "lum/text/pluralize.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string_view>

namespace lum {

namespace {

// Integer padding stops at this width.
constexpr int INTEGER_WIDTH_CAP = 32;
// 64 binary digits, a sign and padding up to the width cap, with room to spare.
constexpr int DIGIT_BUFFER_SIZE = 64 + 1 + INTEGER_WIDTH_CAP;
// Fixed-point text is bounded so that it always fits FIXED_BUFFER_SIZE: the
// largest double has 309 integer digits, plus sign, point and decimals.
constexpr int FIXED_PRECISION_CAP = 32;
constexpr int FIXED_WIDTH_CAP = 32;
constexpr int FIXED_BUFFER_SIZE = 400;
// A mistyped width on a text must not ask for gigabytes of blanks.
constexpr int TEXT_WIDTH_CAP = 1024;
// Numbers read from a pattern saturate here; every use caps them lower.
constexpr int64_t PATTERN_NUMBER_CAP = 1 << 20;

constexpr char UPPER_DIGITS[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr char LOWER_DIGITS[] = "0123456789abcdefghijklmnopqrstuvwxyz";

// "00" "01" ... "99": two decimal digits per division.
constexpr auto DIGIT_PAIRS = [] {
    struct Pairs {
        char text[200];
    } pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs.text[2 * i] = static_cast<char>('0' + i / 10);
        pairs.text[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Writes the digits of v backwards so that they end just before end; returns
// the first digit. Zero gives "0".
char16_t* write_digits(char16_t* end, uint64_t v, unsigned base, const char* digits) {
    char16_t* p = end;
    switch (base) {
    case 10:
        while (v >= 100) {
            unsigned pair = static_cast<unsigned>(v % 100) * 2;
            v /= 100;
            *--p = static_cast<char16_t>(DIGIT_PAIRS.text[pair + 1]);
            *--p = static_cast<char16_t>(DIGIT_PAIRS.text[pair]);
        }
        if (v >= 10) {
            unsigned pair = static_cast<unsigned>(v) * 2;
            *--p = static_cast<char16_t>(DIGIT_PAIRS.text[pair + 1]);
            *--p = static_cast<char16_t>(DIGIT_PAIRS.text[pair]);
        } else {
            *--p = static_cast<char16_t>(u'0' + v);
        }
        return p;
    case 16:
        do {
            *--p = static_cast<char16_t>(digits[v & 15]);
            v >>= 4;
        } while (v);
        return p;
    case 8:
        do {
            *--p = static_cast<char16_t>(u'0' + (v & 7));
            v >>= 3;
        } while (v);
        return p;
    case 2:
        do {
            *--p = static_cast<char16_t>(u'0' + (v & 1));
            v >>= 1;
        } while (v);
        return p;
    default:
        do {
            *--p = static_cast<char16_t>(digits[v % base]);
            v /= base;
        } while (v);
        return p;
    }
}

String decimal_text(uint64_t magnitude, bool negative) {
    char16_t buf[DIGIT_BUFFER_SIZE];
    char16_t* end = buf + DIGIT_BUFFER_SIZE;
    char16_t* p = write_digits(end, magnitude, 10, LOWER_DIGITS);
    if (negative)
        *--p = u'-';
    return String(p, static_cast<size_t>(end - p));
}

uint64_t magnitude_of(int64_t v) {
    return v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
}

// Truncation toward zero that saturates instead of overflowing; NaN gives 0.
int64_t double_to_int64(double d) {
    if (std::isnan(d))
        return 0;
    if (d >= 9223372036854775808.0)
        return std::numeric_limits<int64_t>::max();
    if (d <= -9223372036854775808.0)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(d);
}

uint64_t double_to_uint64(double d) {
    if (std::isnan(d))
        return 0;
    if (d < 0)
        return static_cast<uint64_t>(double_to_int64(d));
    if (d >= 18446744073709551616.0)
        return std::numeric_limits<uint64_t>::max();
    return static_cast<uint64_t>(d);
}

int32_t double_to_int32(double d) {
    if (std::isnan(d))
        return 0;
    if (d >= 2147483648.0)
        return std::numeric_limits<int32_t>::max();
    if (d <= -2147483649.0)
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(d);
}

template <typename Unit>
bool is_digit(Unit u) {
    return u >= '0' && u <= '9';
}

// Whether the units [begin, end) spell the ASCII word.
template <typename Unit>
bool is_word(const Unit* begin, const Unit* end, std::string_view word) {
    if (static_cast<size_t>(end - begin) != word.size())
        return false;
    for (char c : word) {
        if (*begin++ != static_cast<Unit>(c))
            return false;
    }
    return true;
}

enum class Kind { DEFAULT, INTEGER, FIXED, CHARACTER };

// What one placeholder asks for; a fresh one for every placeholder.
struct Placeholder {
    int64_t index = 0;
    Kind kind = Kind::DEFAULT;
    unsigned base = 10;
    const char* digits = UPPER_DIGITS;
    bool is_signed = true;
    bool bit_map = false;
    bool zero_pad = false;
    int64_t count = -1; // the digits after the letter; -1 when there are none
    int64_t width = 0;
    bool left_align = false;
    bool plural = false;
    bool ordinal = false;
};

enum class Parsed { READY, ABANDONED, FAILED };

// The text being built: on the stack while it is short, so that the result
// costs one allocation of exactly the right size.
class Output {
  public:
    Output() = default;
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void append(const char16_t* units, size_t n) {
        if (n > capacity_ - size_)
            grow(n);
        std::memcpy(data_ + size_, units, n * sizeof(char16_t));
        size_ += n;
    }
    void append(std::u16string_view units) { append(units.data(), units.size()); }
    // ASCII bytes, one unit each.
    void append(const char* ascii, size_t n) {
        if (n > capacity_ - size_)
            grow(n);
        for (size_t i = 0; i < n; ++i)
            data_[size_ + i] = static_cast<char16_t>(ascii[i]);
        size_ += n;
    }
    void append(size_t n, char16_t unit) {
        if (n > capacity_ - size_)
            grow(n);
        std::fill_n(data_ + size_, n, unit);
        size_ += n;
    }
    void push(char16_t unit) {
        if (size_ == capacity_)
            grow(1);
        data_[size_++] = unit;
    }
    String finish() {
        if (data_ == local_)
            return String(local_, size_);
        heap_.resize(size_);
        return String(std::move(heap_));
    }

  private:
    void grow(size_t extra) {
        size_t capacity = std::max(capacity_ * 2, size_ + extra);
        if (data_ == local_) {
            heap_.resize(capacity);
            std::memcpy(heap_.data(), local_, size_ * sizeof(char16_t));
        } else {
            heap_.resize(capacity);
        }
        data_ = heap_.data();
        capacity_ = capacity;
    }

    static constexpr size_t LOCAL_SIZE = 256;
    char16_t local_[LOCAL_SIZE];
    char16_t* data_ = local_;
    size_t size_ = 0;
    size_t capacity_ = LOCAL_SIZE;
    std::u16string heap_;
};

// Reads a pattern of UTF-16 units, or of ASCII bytes read in place.
template <typename Unit>
class Formatter {
  public:
    Formatter(const Unit* begin, const Unit* end, const Variant* const* args, int count)
        : p_(begin), end_(end), args_(args), count_(args ? std::max(count, 0) : 0) {}

    String run() {
        while (p_ < end_) {
            copy_plain_run();
            if (p_ == end_)
                break;
            char16_t c = static_cast<char16_t>(*p_++);
            if (c == 0)
                continue;
            if (c == u'}') {
                if (p_ < end_ && *p_ == u'}')
                    ++p_;
                out_.push(u'}');
                continue;
            }
            if (p_ < end_ && *p_ == u'{') {
                ++p_;
                out_.push(u'{');
                continue;
            }
            if (p_ == end_ || !is_digit(*p_)) {
                // The "{" is dropped; the character after it is ordinary text.
                if (p_ < end_) {
                    if (*p_ != 0)
                        out_.push(static_cast<char16_t>(*p_));
                    ++p_;
                }
                continue;
            }
            Placeholder ph;
            Parsed parsed = parse(ph);
            if (parsed == Parsed::FAILED)
                break;
            if (parsed == Parsed::ABANDONED)
                continue;
            if (ph.index >= count_) {
                append_ascii("[Overflow]");
                break;
            }
            static const Variant empty;
            const Variant* arg = args_[ph.index];
            emit(ph, arg ? *arg : empty);
        }
        return out_.finish();
    }

  private:
    // Copies ordinary characters up to the next brace or zero unit in one go.
    void copy_plain_run() {
        const Unit* start = p_;
        while (p_ < end_ && *p_ != u'{' && *p_ != u'}' && *p_ != 0)
            ++p_;
        if (p_ != start)
            out_.append(start, static_cast<size_t>(p_ - start));
    }

    int64_t read_number() {
        int64_t n = 0;
        while (p_ < end_ && is_digit(*p_)) {
            n = std::min(n * 10 + (*p_ - u'0'), PATTERN_NUMBER_CAP);
            ++p_;
        }
        return n;
    }

    void append_ascii(const char* text) {
        while (*text)
            out_.push(static_cast<char16_t>(*text++));
    }

    // Appends prefix, the unit at the reading position (nothing at the pattern's
    // end) and "]".
    void append_marker(const char* prefix, const Unit* at) {
        append_ascii(prefix);
        if (at < end_ && *at != 0)
            out_.push(static_cast<char16_t>(*at));
        out_.push(u']');
    }

    // Reads from just after "{" (a digit is known to follow) through the "}".
    Parsed parse(Placeholder& ph) {
        ph.index = read_number();
        if (p_ < end_ && *p_ == u'\'') {
            ++p_;
            const Unit* word = p_;
            while (p_ < end_ && Char(*p_).is_letter())
                ++p_;
            if (is_word(word, p_, "s")) {
                ph.plural = true;
            } else if (is_word(word, p_, "nth") || is_word(word, p_, "th")) {
                ph.ordinal = true;
            } else {
                append_marker("[Err-x:", p_);
                return Parsed::FAILED;
            }
        }
        if (p_ < end_ && *p_ == u':') {
            ++p_;
            if (!parse_letter(ph))
                return Parsed::FAILED;
        }
        if (p_ < end_ && *p_ == u',') {
            ++p_;
            bool left = false;
            if (p_ < end_ && (*p_ == u'-' || *p_ == u'~')) {
                left = *p_ == u'-';
                ++p_;
            }
            // Without a digit the placeholder is dropped and its rest reads as text.
            if (p_ == end_ || !is_digit(*p_))
                return Parsed::ABANDONED;
            ph.left_align = left;
            ph.width = read_number();
        }
        if (p_ == end_ || *p_ != u'}') {
            append_marker("[Err-close:", p_);
            return Parsed::FAILED;
        }
        ++p_;
        return Parsed::READY;
    }

    // Reads the letter after ":" and its count.
    bool parse_letter(Placeholder& ph) {
        if (p_ == end_) {
            append_ascii("[Err:]");
            return false;
        }
        char16_t letter = *p_;
        switch (letter) {
        case u'D':
        case u'd':
            ph.kind = Kind::INTEGER;
            break;
        case u'X':
            ph.kind = Kind::INTEGER;
            ph.base = 16;
            break;
        case u'x':
            ph.kind = Kind::INTEGER;
            ph.base = 16;
            ph.digits = LOWER_DIGITS;
            break;
        case u'O':
        case u'o':
            ph.kind = Kind::INTEGER;
            ph.base = 8;
            break;
        case u'B':
        case u'b':
            ph.kind = Kind::INTEGER;
            ph.base = 2;
            ph.is_signed = false;
            ph.bit_map = letter == u'b';
            break;
        case u'Z':
        case u'z':
            ph.kind = Kind::INTEGER;
            ph.is_signed = false;
            ph.digits = LOWER_DIGITS;
            break;
        case u'F':
        case u'f':
            ph.kind = Kind::FIXED;
            break;
        case u'C':
        case u'c':
            ph.kind = Kind::CHARACTER;
            break;
        default:
            append_marker("[Err:", p_);
            return false;
        }
        ++p_;
        if (p_ < end_ && is_digit(*p_))
            ph.count = read_number();
        bool radix = letter == u'Z' || letter == u'z';
        if (radix) {
            ph.base = ph.count < 2 ? 10 : static_cast<unsigned>(std::min<int64_t>(ph.count, 36));
        } else if (ph.kind == Kind::INTEGER && ph.count >= 0) {
            ph.width = ph.count;
            ph.zero_pad = true;
        } else if (ph.kind == Kind::CHARACTER && ph.count >= 0) {
            ph.width = ph.count;
        }
        return true;
    }

    void emit(Placeholder& ph, const Variant& arg) {
        if (ph.kind == Kind::DEFAULT) {
            switch (arg.type()) {
            case VariantType::UInt64:
                ph.kind = Kind::INTEGER;
                ph.is_signed = false;
                break;
            case VariantType::Int64:
                ph.kind = Kind::INTEGER;
                break;
            case VariantType::Double:
                ph.kind = Kind::FIXED;
                break;
            default:
                break;
            }
        }
        switch (ph.kind) {
        case Kind::INTEGER:
            emit_integer(ph, arg);
            return;
        case Kind::FIXED:
            emit_fixed(ph, arg);
            return;
        default:
            emit_text(ph, arg);
            return;
        }
    }

    void emit_integer(const Placeholder& ph, const Variant& arg) {
        uint64_t raw = ph.is_signed ? static_cast<uint64_t>(arg.to_int64()) : arg.to_uint64();
        last_ = static_cast<int64_t>(raw);
        if (ph.ordinal) {
            out_.append(String::nth(static_cast<int32_t>(static_cast<uint32_t>(raw))).units());
            return;
        }
        bool negative = ph.is_signed && last_ < 0;
        char16_t buf[DIGIT_BUFFER_SIZE];
        char16_t* end = buf + DIGIT_BUFFER_SIZE;
        char16_t* p = write_digits(end, negative ? magnitude_of(last_) : raw, ph.base, ph.digits);
        int64_t width = std::min<int64_t>(ph.width, INTEGER_WIDTH_CAP);
        if (ph.zero_pad) {
            for (int64_t fill = width - (end - p) - negative; fill > 0; --fill)
                *--p = u'0';
            if (negative)
                *--p = u'-';
        } else {
            if (negative)
                *--p = u'-';
            for (int64_t fill = width - (end - p); fill > 0; --fill)
                *--p = u' ';
        }
        if (ph.bit_map) {
            // Bit k, counted from the right, shows as the digit k mod 10 when set.
            int k = 0;
            for (char16_t* c = end - 1; c >= p; --c, ++k) {
                if (*c == u'1')
                    *c = static_cast<char16_t>(u'0' + k % 10);
                else if (*c == u'0')
                    *c = u'.';
            }
        }
        out_.append(p, static_cast<size_t>(end - p));
    }

    void emit_fixed(const Placeholder& ph, const Variant& arg) {
        double d = arg.to_double();
        last_ = double_to_int32(d);
        int precision =
            ph.count >= 0 ? static_cast<int>(std::min<int64_t>(ph.count, FIXED_PRECISION_CAP)) : 2;
        char buf[FIXED_BUFFER_SIZE];
        auto r = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::fixed, precision);
        size_t n = r.ec == std::errc() ? static_cast<size_t>(r.ptr - buf) : 0;
        size_t width = static_cast<size_t>(std::min<int64_t>(ph.width, FIXED_WIDTH_CAP));
        if (width > n)
            out_.append(width - n, u' ');
        for (size_t i = 0; i < n; ++i)
            out_.push(static_cast<char16_t>(buf[i]));
    }

    void emit_text(const Placeholder& ph, const Variant& arg) {
        String held;
        char16_t unit = 0;
        std::u16string_view text;
        if (ph.kind == Kind::CHARACTER) {
            unit = static_cast<char16_t>(arg.to_uint64() & 0xFFFF);
            text = std::u16string_view(&unit, 1);
        } else {
            switch (arg.type()) {
            case VariantType::Bool:
                text = arg.to_uint64() ? u"true" : u"false";
                break;
            case VariantType::Char:
                unit = static_cast<char16_t>(arg.to_uint64());
                text = std::u16string_view(&unit, 1);
                break;
            case VariantType::String:
                text = arg.text().units();
                break;
            default:
                held = arg.to_string();
                text = held.units();
                break;
            }
        }
        String plural;
        if (ph.plural && last_ > 1) {
            bool whole = ph.kind != Kind::CHARACTER && arg.type() == VariantType::String;
            plural = pluralize(whole ? arg.text() : String(text.data(), text.size()));
            text = plural.units();
        }
        size_t width = static_cast<size_t>(std::min<int64_t>(ph.width, TEXT_WIDTH_CAP));
        size_t pad = width > text.size() ? width - text.size() : 0;
        if (pad && !ph.left_align)
            out_.append(pad, u' ');
        out_.append(text);
        if (pad && ph.left_align)
            out_.append(pad, u' ');
    }

    const Unit* p_;
    const Unit* end_;
    const Variant* const* args_;
    int count_;
    // The value of the latest number formatted, for plural mode.
    int64_t last_ = 0;
    Output out_;
};

} // namespace

String Variant::to_string() const {
    switch (type_) {
    case VariantType::UInt64:
        return decimal_text(payload_.u, false);
    case VariantType::Int64:
        return decimal_text(magnitude_of(payload_.i), payload_.i < 0);
    case VariantType::Double:
        return String::from_double(payload_.d);
    case VariantType::Bool:
        return String((payload_.u & 0xFF) ? u"true" : u"false");
    case VariantType::Char:
        return String(Char(static_cast<char16_t>(payload_.u & 0xFFFF)));
    case VariantType::String:
        return text_;
    case VariantType::Pointer: {
        char buf[48];
        std::snprintf(buf, sizeof buf, "[ptr:%p]",
                      reinterpret_cast<void*>(static_cast<uintptr_t>(payload_.u)));
        return String(buf);
    }
    }
    unimplemented("lum::Variant::to_string", static_cast<int32_t>(type_));
    return String();
}

int64_t Variant::to_int64() const {
    switch (type_) {
    case VariantType::UInt64:
    case VariantType::Int64:
        return payload_.i;
    case VariantType::Double:
        return double_to_int64(payload_.d);
    case VariantType::Bool:
        return (payload_.u & 0xFF) ? 1 : 0;
    case VariantType::Char:
        return static_cast<int64_t>(payload_.u & 0xFFFF);
    case VariantType::String:
        return text_.to_int64();
    case VariantType::Pointer:
        return 0;
    }
    unimplemented("lum::Variant::to_int64", static_cast<int32_t>(type_));
    return 0;
}

uint64_t Variant::to_uint64() const {
    switch (type_) {
    case VariantType::UInt64:
    case VariantType::Int64:
        return payload_.u;
    case VariantType::Double:
        return double_to_uint64(payload_.d);
    case VariantType::Bool:
        return (payload_.u & 0xFF) ? 1 : 0;
    case VariantType::Char:
        return payload_.u & 0xFFFF;
    case VariantType::String:
        return text_.to_uint64();
    case VariantType::Pointer:
        return 0;
    }
    unimplemented("lum::Variant::to_uint64", static_cast<int32_t>(type_));
    return 0;
}

double Variant::to_double() const {
    switch (type_) {
    case VariantType::UInt64:
        return static_cast<double>(payload_.u);
    case VariantType::Int64:
        return static_cast<double>(payload_.i);
    case VariantType::Double:
        return payload_.d;
    case VariantType::Bool:
        return (payload_.u & 0xFF) ? 1.0 : 0.0;
    case VariantType::Char:
        return static_cast<double>(payload_.u & 0xFFFF);
    case VariantType::String:
        return text_.to_double();
    case VariantType::Pointer:
        return 0.0;
    }
    unimplemented("lum::Variant::to_double", static_cast<int32_t>(type_));
    return 0.0;
}

String format_arguments(const String& pattern, const Variant* const* args, int count) {
    const char16_t* begin = pattern.units().data();
    return Formatter<char16_t>(begin, begin + pattern.units().size(), args, count).run();
}

String format_arguments(const char* pattern, const Variant* const* args, int count) {
    if (!pattern)
        return format_arguments(String(), args, count);
    const char* end = pattern;
    while (*end && static_cast<unsigned char>(*end) < 0x80)
        ++end;
    // Anything beyond ASCII goes through the UTF-8 decoder first.
    if (*end)
        return format_arguments(String(pattern), args, count);
    return Formatter<char>(pattern, end, args, count).run();
}

} // namespace lum
