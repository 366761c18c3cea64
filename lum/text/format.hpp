#pragma once

#include "lum/text/string.hpp"

#include <concepts>
#include <cstdint>
#include <string>

namespace lum {

enum class VariantType : int32_t {
    UInt64 = 0,
    Int64 = 1,
    Double = 2,
    Bool = 3,
    Char = 4,
    String = 5,
    Pointer = 6
};

// One argument of Format: a small tagged value built implicitly from the
// caller's integer, floating-point, boolean, character, text or pointer.
class Variant {
  public:
    Variant() : type_(VariantType::UInt64) { payload_.u = 0; }

    template <std::signed_integral T>
    requires(!std::same_as<T, char> && !std::same_as<T, wchar_t>) Variant(T v) : type_(VariantType::Int64) {
        payload_.i = v;
    }
    template <std::unsigned_integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char16_t> && !std::same_as<T, char32_t> &&
             !std::same_as<T, wchar_t> && !std::same_as<T, char>) Variant(T v)
        : type_(VariantType::UInt64) {
        payload_.u = v;
    }
    Variant(double v) : type_(VariantType::Double) { payload_.d = v; }
    Variant(float v) : type_(VariantType::Double) { payload_.d = v; }
    Variant(bool v) : type_(VariantType::Bool) { payload_.u = v ? 1 : 0; }
    Variant(Char c) : type_(VariantType::Char) { payload_.u = c.unit(); }
    Variant(char c) : Variant(Char(c)) {}
    Variant(char16_t c) : Variant(Char(c)) {}
    Variant(wchar_t c) : Variant(Char(c)) {}
    Variant(const String& s) : type_(VariantType::String), text_(s) { payload_.u = 0; }
    Variant(String&& s) : type_(VariantType::String), text_(std::move(s)) { payload_.u = 0; }
    Variant(const char* s) : Variant(String(s)) {}
    Variant(const std::string& s) : Variant(String(s)) {}
    Variant(const char16_t* s) : Variant(String(s)) {}
    Variant(const wchar_t* s) : Variant(String(s)) {}
    Variant(const void* p) : type_(VariantType::Pointer) { payload_.u = reinterpret_cast<uintptr_t>(p); }

    VariantType type() const { return type_; }
    // The text payload of a String Variant (empty for every other type).
    const String& text() const { return text_; }
    // Text of the value (a Double as "%.6g"); an unknown tag prints
    // "lum::Variant::to_string: unimplemented - N" and gives "".
    String to_string() const;
    int64_t to_int64() const;
    uint64_t to_uint64() const;
    double to_double() const;

  private:
    // Tests build Variants with tags outside the known range.
    friend struct TestAccess;

    VariantType type_;
    union {
        uint64_t u;
        int64_t i;
        double d;
    } payload_;
    String text_;
};

// Builds text from a pattern with "{0}" style placeholders and the arguments.
// Never throws; a malformed pattern ends with a visible marker ("[Overflow]",
// "[Err:Q]", ...). args holds count pointers to the arguments.
String format_arguments(const String& pattern, const Variant* const* args, int count);
// The same for a UTF-8 pattern: the result equals that of String(pattern), but
// an all-ASCII pattern is read in place without building a String first.
String format_arguments(const char* pattern, const Variant* const* args, int count);

namespace detail {
template <typename Pattern, typename... Args>
String format_with(const Pattern& pattern, const Args&... args) {
    // Arguments that already are Variants are passed without a copy.
    auto as_variant = [](const auto& a) -> decltype(auto) {
        if constexpr (std::same_as<std::decay_t<decltype(a)>, Variant>)
            return a;
        else
            return Variant(a);
    };
    return [&](const auto&... v) {
        const Variant* list[] = {&v...};
        return format_arguments(pattern, list, static_cast<int>(sizeof...(Args)));
    }(as_variant(args)...);
}
} // namespace detail

inline String Format(const String& pattern) {
    return format_arguments(pattern, nullptr, 0);
}
inline String Format(const char* pattern) {
    return format_arguments(pattern, nullptr, 0);
}
template <typename... Args>
requires(sizeof...(Args) >= 1 && sizeof...(Args) <= 6) String
    Format(const String& pattern, const Args&... args) {
    return detail::format_with(pattern, args...);
}
template <typename... Args>
requires(sizeof...(Args) >= 1 && sizeof...(Args) <= 6) String
    Format(const char* pattern, const Args&... args) {
    return detail::format_with(pattern, args...);
}

} // namespace lum
