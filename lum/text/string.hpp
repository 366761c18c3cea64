#pragma once

#include "lum/text/char.hpp"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace lum {

class StringRef;
class StringList;

// The engine's one text type: UTF-16 code units inside, UTF-8 at every narrow
// edge. Index access accepts negative indices and never fails hard; misuse
// warns (see runtime_warning) and yields a harmless value. Up to seven units
// are kept inside the object; longer text lives in one heap block.
class String {
  public:
    // The longest text a String holds; longer throws std::length_error("string too long").
    static constexpr int32_t MAX_LENGTH = 0x7FFFFFFE;

    String() = default;
    // Decodes UTF-8 (a null pointer gives the empty string).
    String(const char* utf8);
    String(const std::string& utf8);
    explicit String(std::string_view utf8);
    // Copies UTF-16 units as they are.
    String(const char16_t* units);
    String(const char16_t* units, size_t count);
    String(const std::u16string& units);
    String(std::u16string&& units);
    // Wide text: units above U+FFFF become U+3013, as the UTF-8 decoder does.
    String(const wchar_t* text);
    String(const std::wstring& text);
    String(Char c);
    String(const StringRef& ref);

    String(const String&) = default;
    String(String&&) noexcept = default;
    String& operator=(const String&) = default;
    String& operator=(String&&) noexcept = default;
    virtual ~String() = default;

    // UTF-8 bytes; surrogate units are encoded one by one like any other unit.
    std::string to_utf8() const;
    // The same UTF-16 units as a standard string (the engine's wide text).
    std::u16string to_wstring() const { return units_; }
    const std::u16string& units() const { return units_; }
    // The zero-terminated units.
    const char16_t* c_str() const { return units_.c_str(); }

    // Integer in the runtime library's strtoll manner with base 0: leading white
    // space, a sign, "0x" hexadecimal, leading "0" octal, stop at the first
    // unusable unit, 0 when there are no digits; clamps on overflow.
    int64_t to_int64() const;
    // The same rules for an unsigned value (a "-" negates modulo 2^64).
    uint64_t to_uint64() const;
    // Floating-point value in the runtime library's wcstod manner ("." decimal point).
    double to_double() const;
    static String from_int64(int64_t v);
    static String from_uint64(uint64_t v);
    // Text of printf's "%.6g" (1.5 gives "1.5", 0.1 gives "0.1").
    static String from_double(double v);
    static String from_float(float v);

    int32_t length() const { return static_cast<int32_t>(units_.size()); }
    bool empty() const { return units_.empty(); }

    // Unit i, counting from the end for -length <= i < 0. Out of range: a warning
    // and a shared dummy unit, reset to 0 at each such call.
    char16_t& At(int32_t i);
    Char At(int32_t i) const;

    // The ordinal text of n: "1st", "2nd", "11th", ...; negative n warns and gives "".
    static String nth(int32_t n);

    String& operator+=(const String& s);
    // Appends decoded UTF-8 up to the terminating zero byte.
    String& operator+=(const char* utf8);
    String& operator+=(const std::string& utf8);
    // Appends one unit; a zero Char appends nothing.
    String& operator+=(Char c);
    // Appends decoded UTF-8 as += does: up to the first zero byte; an illegal
    // lead byte appends one unit 0 and ends the append.
    String& append_utf8(std::string_view utf8);
    // Makes room for n units in all, so that appends up to that length do not reallocate.
    void reserve(int32_t n) { units_.reserve(n > 0 ? static_cast<size_t>(n) : 0); }
    template <typename T>
    String& append(const T& v) {
        return *this += v;
    }

    // A copy with every unit equal to from replaced by to.
    String replace(Char from, Char to) const;
    // A copy with every non-overlapping occurrence of from, left to right, replaced
    // by to; an empty from puts to between every two units.
    String replace(const String& from, const String& to) const;
    // Index of the first occurrence at or after from, or -1.
    int32_t find(const String& what, int32_t from = 0) const;
    // Unit-by-unit as unsigned values, then the shorter first: <0, 0 or >0.
    int compare(const String& other) const { return units_.compare(other.units_); }

    String trim() const;
    String ltrim() const;
    String rtrim() const;
    String to_upper() const;
    String to_lower() const;
    // First unit upper case, the rest lower case.
    String capitalize() const;

    // One element per unit.
    StringList split() const;
    // Pieces between separators; no empty last piece after a final separator.
    StringList split(Char separator) const;
    StringList split(const String& separator) const;

    // Latin spelling of kana text.
    String to_romaji_upper() const;
    String to_romaji_lower() const;

    // Units [start, start + count) clipped to the end; start beyond the end throws
    // std::out_of_range("invalid string position").
    String substr(int32_t start, int32_t count) const;

    auto begin() const { return units_.begin(); }
    auto end() const { return units_.end(); }

    friend bool operator==(const String& a, const String& b) { return a.units_ == b.units_; }
    friend bool operator!=(const String& a, const String& b) { return !(a == b); }
    friend bool operator<(const String& a, const String& b) { return a.compare(b) < 0; }

  private:
    static void check_length(size_t n);
    // The units String(std::string_view) decodes.
    static std::u16string widen(std::string_view utf8);
    void append_utf8(const char* utf8, const char* end);

    std::u16string units_;
};

String operator+(const String& a, const String& b);
String operator+(const String& a, const char* utf8);
String operator+(const String& a, Char c);
String operator+(Char c, const String& b);

// The ordinal text of n (see String::nth).
inline String nth(int32_t n) {
    return String::nth(n);
}

// A view of part of a String; owns nothing, and its source must outlive it.
class StringRef {
  public:
    StringRef() = default;
    // A negative start or length prints "StringRef out of range (...)" and gives an
    // empty view; a start at or past the end gives an empty view; the length is
    // cut to what is left after start.
    StringRef(const String& source, int32_t start, int32_t length);

    const String* source() const { return source_; }
    int32_t start() const { return start_; }
    int32_t length() const { return length_; }
    const char16_t* data() const;
    String to_string() const { return String(*this); }

  private:
    const String* source_ = nullptr;
    int32_t start_ = 0;
    int32_t length_ = 0;
};

} // namespace lum

template <>
struct std::hash<lum::String> {
    size_t operator()(const lum::String& s) const noexcept { return std::hash<std::u16string>()(s.units()); }
};
