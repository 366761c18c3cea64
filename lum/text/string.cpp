#include "lum/text/string.hpp"

#include "lum/core/runtime_warning.hpp"
#include "lum/text/char_table.hpp"
#include "lum/text/string_list.hpp"
#include "lum/text/utf8.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <stdexcept>

namespace lum {

namespace {

bool is_trim_space(char16_t u) {
    return (CharTable::at(u).flags & CharTable::SPACE) != 0;
}

bool is_number_space(char16_t u) {
    return u == ' ' || (u >= 0x09 && u <= 0x0D);
}

int digit_value(char16_t u) {
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'z')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'Z')
        return u - 'A' + 10;
    return 99;
}

// The strtoull core: magnitude of the digits after white space, sign and prefix.
struct ParsedInteger {
    uint64_t magnitude = 0;
    bool negative = false;
    bool overflow = false;
};

ParsedInteger parse_integer(const std::u16string& s) {
    ParsedInteger r;
    size_t i = 0, n = s.size();
    while (i < n && is_number_space(s[i]))
        ++i;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        r.negative = s[i] == '-';
        ++i;
    }
    unsigned base = 10;
    if (i < n && s[i] == '0') {
        if (i + 2 < n + 1 && i + 1 < n && (s[i + 1] == 'x' || s[i + 1] == 'X') && i + 2 < n &&
            digit_value(s[i + 2]) < 16) {
            base = 16;
            i += 2;
        } else {
            base = 8;
        }
    }
    for (; i < n; ++i) {
        unsigned d = static_cast<unsigned>(digit_value(s[i]));
        if (d >= base)
            break;
        if (r.magnitude > (UINT64_MAX - d) / base)
            r.overflow = true;
        r.magnitude = r.magnitude * base + d;
    }
    return r;
}

} // namespace

void String::check_length(size_t n) {
    if (n > static_cast<size_t>(MAX_LENGTH))
        throw std::length_error("string too long");
}

String::String(const char* utf8) : String(std::string_view(utf8 ? utf8 : "")) {}

String::String(const std::string& utf8) : String(std::string_view(utf8)) {}

String::String(std::string_view utf8) : units_(widen(utf8)) {}

std::u16string String::widen(std::string_view utf8) {
    auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    auto* end = p + utf8.size();
    // Short ASCII text, the most common kind (keys and values of documents),
    // is widened on the stack and copied once.
    constexpr size_t SHORT = 16;
    if (utf8.size() <= SHORT) {
        char16_t wide[SHORT];
        unsigned any = 0;
        for (size_t i = 0; i < utf8.size(); ++i) {
            any |= p[i];
            wide[i] = p[i];
        }
        if (any < 0x80)
            return std::u16string(wide, utf8.size());
    }
    size_t n = count_utf8_units(p, end);
    check_length(n);
    std::u16string units(n, u'\0');
    decode_utf8_units(p, end, units.data(), n);
    return units;
}

String::String(const char16_t* units) : units_(units ? units : u"") {
    check_length(units_.size());
}

String::String(const char16_t* units, size_t count) : units_(units, count) {
    check_length(count);
}

String::String(const std::u16string& units) : units_(units) {
    check_length(units_.size());
}

String::String(std::u16string&& units) : units_(std::move(units)) {
    check_length(units_.size());
}

String::String(const wchar_t* text) : String(std::wstring(text ? text : L"")) {}

String::String(const std::wstring& text) {
    check_length(text.size());
    units_.resize(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        units_[i] = Char(text[i]).unit();
}

String::String(Char c) : units_(1, c.unit()) {}

String::String(const StringRef& ref) {
    if (ref.length() > 0)
        units_.assign(ref.data(), static_cast<size_t>(ref.length()));
}

std::string String::to_utf8() const {
    std::string out;
    encode_utf8(out, units_.data(), units_.size(), SurrogateForm::SEPARATE);
    return out;
}

int64_t String::to_int64() const {
    ParsedInteger r = parse_integer(units_);
    if (r.negative) {
        if (r.overflow || r.magnitude > static_cast<uint64_t>(INT64_MAX) + 1)
            return INT64_MIN;
        return static_cast<int64_t>(0 - r.magnitude);
    }
    if (r.overflow || r.magnitude > static_cast<uint64_t>(INT64_MAX))
        return INT64_MAX;
    return static_cast<int64_t>(r.magnitude);
}

uint64_t String::to_uint64() const {
    ParsedInteger r = parse_integer(units_);
    if (r.overflow)
        return UINT64_MAX;
    return r.negative ? 0 - r.magnitude : r.magnitude;
}

double String::to_double() const {
    // The longest ASCII prefix that can belong to a number, as narrow text.
    char buf[128];
    size_t i = 0, n = units_.size();
    while (i < n && is_number_space(units_[i]))
        ++i;
    size_t k = 0;
    for (; i < n && k + 1 < sizeof buf; ++i) {
        char16_t u = units_[i];
        if (u >= 0x80 || u <= ' ')
            break;
        buf[k++] = static_cast<char>(u);
    }
    buf[k] = 0;
    const char* p = buf;
    const char* end = buf + k;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    if (p < end && *p == '-')
        return 0.0; // "--1" has no number, as in wcstod
    double v = 0.0;
    std::from_chars_result r{};
    if (end - p > 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        r = std::from_chars(p + 2, end, v, std::chars_format::hex);
        if (r.ec == std::errc::invalid_argument)
            v = 0.0;
    } else {
        r = std::from_chars(p, end, v, std::chars_format::general);
        if (r.ec == std::errc::invalid_argument)
            v = 0.0;
    }
    if (r.ec == std::errc::result_out_of_range)
        v = std::strtod(buf, nullptr); // gives HUGE_VAL or 0 as the runtime library does
    else if (negative)
        v = -v;
    return v;
}

String String::from_int64(int64_t v) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return String(std::string_view(buf, static_cast<size_t>(r.ptr - buf)));
}

String String::from_uint64(uint64_t v) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return String(std::string_view(buf, static_cast<size_t>(r.ptr - buf)));
}

String String::from_double(double v) {
    // The engine's numbers read the same in every locale: "%.6g" with a "." point.
    char buf[64];
    if (std::isnan(v))
        return String(std::signbit(v) ? "-nan" : "nan");
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6);
    return String(std::string_view(buf, static_cast<size_t>(r.ptr - buf)));
}

String String::from_float(float v) {
    return from_double(v);
}

char16_t& String::At(int32_t i) {
    int32_t n = length();
    if (i >= 0 && i < n)
        return units_[static_cast<size_t>(i)];
    if (i < 0 && i >= -n)
        return units_[static_cast<size_t>(n + i)];
    runtime_warning("String::At", "out of string", "pos", i);
    static char16_t dummy;
    dummy = 0;
    return dummy;
}

Char String::At(int32_t i) const {
    int32_t n = length();
    if (i >= 0 && i < n)
        return units_[static_cast<size_t>(i)];
    if (i < 0 && i >= -n)
        return units_[static_cast<size_t>(n + i)];
    runtime_warning("String::At (const)", "out of string", "pos", i);
    return Char::Null;
}

void String::append_utf8(const char* utf8, const char* end) {
    auto* p = reinterpret_cast<const unsigned char*>(utf8);
    auto* e = reinterpret_cast<const unsigned char*>(end);
    // Never more units than bytes: write in place, then cut to what was written.
    size_t start = units_.size();
    check_length(start + static_cast<size_t>(e - p));
    units_.resize(start + static_cast<size_t>(e - p));
    units_.resize(start + decode_utf8_append(p, e, units_.data() + start));
}

String& String::append_utf8(std::string_view utf8) {
    append_utf8(utf8.data(), utf8.data() + utf8.size());
    return *this;
}

String& String::operator+=(const String& s) {
    check_length(units_.size() + s.units_.size());
    units_ += s.units_;
    return *this;
}

String& String::operator+=(const char* utf8) {
    if (utf8)
        append_utf8(utf8, utf8 + std::strlen(utf8));
    return *this;
}

String& String::operator+=(const std::string& utf8) {
    append_utf8(utf8.data(), utf8.data() + utf8.size());
    return *this;
}

String& String::operator+=(Char c) {
    if (c.unit() != 0) {
        check_length(units_.size() + 1);
        units_.push_back(c.unit());
    }
    return *this;
}

String operator+(const String& a, const String& b) {
    String r(a);
    r += b;
    return r;
}

String operator+(const String& a, const char* utf8) {
    String r(a);
    r += utf8;
    return r;
}

String operator+(const String& a, Char c) {
    String r(a);
    r += c;
    return r;
}

String operator+(Char c, const String& b) {
    String r(c);
    r += b;
    return r;
}

String String::replace(Char from, Char to) const {
    std::u16string r = units_;
    for (auto& u : r)
        if (u == from.unit())
            u = to.unit();
    return String(std::move(r));
}

String String::replace(const String& from, const String& to) const {
    std::u16string r;
    if (from.empty()) {
        for (size_t i = 0; i < units_.size(); ++i) {
            if (i > 0)
                r += to.units_;
            r += units_[i];
        }
        return String(std::move(r));
    }
    size_t pos = 0;
    for (;;) {
        size_t hit = units_.find(from.units_, pos);
        if (hit == std::u16string::npos)
            break;
        r.append(units_, pos, hit - pos);
        r += to.units_;
        pos = hit + from.units_.size();
    }
    r.append(units_, pos, std::u16string::npos);
    return String(std::move(r));
}

int32_t String::find(const String& what, int32_t from) const {
    if (from < 0)
        from = 0;
    if (from > length())
        return -1;
    size_t hit = units_.find(what.units_, static_cast<size_t>(from));
    return hit == std::u16string::npos ? -1 : static_cast<int32_t>(hit);
}

String String::trim() const {
    int32_t n = length(), a = 0, b = n;
    while (a < n && is_trim_space(units_[static_cast<size_t>(a)]))
        ++a;
    while (b > a && is_trim_space(units_[static_cast<size_t>(b - 1)]))
        --b;
    return String(StringRef(*this, a, b - a));
}

String String::ltrim() const {
    int32_t n = length(), a = 0;
    while (a < n && is_trim_space(units_[static_cast<size_t>(a)]))
        ++a;
    return String(StringRef(*this, a, n - a));
}

String String::rtrim() const {
    int32_t b = length();
    while (b > 0 && is_trim_space(units_[static_cast<size_t>(b - 1)]))
        --b;
    return String(StringRef(*this, 0, b));
}

namespace {
char16_t upper_unit(char16_t u) {
    if (u < 0x80)
        return (u >= 'a' && u <= 'z') ? static_cast<char16_t>(u - 32) : u;
    wint_t m = std::towupper(u);
    return m <= 0xFFFF ? static_cast<char16_t>(m) : u;
}
char16_t lower_unit(char16_t u) {
    if (u < 0x80)
        return (u >= 'A' && u <= 'Z') ? static_cast<char16_t>(u + 32) : u;
    wint_t m = std::towlower(u);
    return m <= 0xFFFF ? static_cast<char16_t>(m) : u;
}
} // namespace

String String::to_upper() const {
    std::u16string r = units_;
    for (auto& u : r)
        u = upper_unit(u);
    return String(std::move(r));
}

String String::to_lower() const {
    std::u16string r = units_;
    for (auto& u : r)
        u = lower_unit(u);
    return String(std::move(r));
}

String String::capitalize() const {
    std::u16string r = units_;
    for (size_t i = 0; i < r.size(); ++i)
        r[i] = i == 0 ? upper_unit(r[i]) : lower_unit(r[i]);
    return String(std::move(r));
}

StringList String::split() const {
    StringList list;
    for (char16_t u : units_)
        list.push_back(String(Char(u)));
    return list;
}

StringList String::split(Char separator) const {
    if (separator.unit() == 0)
        return split();
    return split(String(separator));
}

StringList String::split(const String& separator) const {
    if (separator.empty())
        return split();
    StringList list;
    size_t pos = 0, n = units_.size();
    while (pos < n) {
        size_t hit = units_.find(separator.units_, pos);
        if (hit == std::u16string::npos) {
            list.push_back(String(units_.substr(pos)));
            return list;
        }
        list.push_back(String(units_.substr(pos, hit - pos)));
        pos = hit + separator.units_.size();
    }
    return list;
}

String String::substr(int32_t start, int32_t count) const {
    if (start < 0 || start > length())
        throw std::out_of_range("invalid string position");
    if (count < 0)
        count = 0;
    return String(units_.substr(static_cast<size_t>(start), static_cast<size_t>(count)));
}

StringRef::StringRef(const String& source, int32_t start, int32_t length) : source_(&source) {
    if (start < 0 || length < 0) {
        std::fflush(stdout);
        std::fprintf(stderr, "StringRef out of range (%s, %d, %d)\n", source.to_utf8().c_str(), start,
                     length);
        return;
    }
    if (start >= source.length())
        return;
    start_ = start;
    length_ = std::min(length, source.length() - start);
}

const char16_t* StringRef::data() const {
    return source_ ? source_->c_str() + start_ : u"";
}

String& StringList::operator[](int32_t i) {
    if (i >= 0 && i < count())
        return items_[static_cast<size_t>(i)];
    runtime_warning("StringList::operator[]", "out of range", "n", i);
    static String empty;
    empty = String();
    return empty;
}

const String& StringList::operator[](int32_t i) const {
    return const_cast<StringList&>(*this)[i];
}

String StringList::join() const {
    return join(String());
}

String StringList::join(Char separator) const {
    return join(separator.unit() ? String(separator) : String());
}

String StringList::join(const String& separator) const {
    String r;
    bool first = true;
    for (const auto& s : items_) {
        if (!first)
            r += separator;
        r += s;
        first = false;
    }
    return r;
}

String StringList::camelcase(CamelCase mode) const {
    String r;
    for (size_t i = 0; i < items_.size(); ++i)
        r += (i == 0 && mode == LOWER_CAMEL) ? items_[i].to_lower() : items_[i].capitalize();
    return r;
}

String StringList::snakecase(SnakeCase mode) const {
    StringList cased;
    for (const auto& s : items_)
        cased.push_back(mode == UPPER_SNAKE ? s.to_upper() : s.to_lower());
    return cased.join(String("_"));
}

} // namespace lum
