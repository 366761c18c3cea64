#pragma once

#include "lum/text/string.hpp"

#include <concepts>
#include <cstdint>

namespace lum {

// Which payload of a Value is valid. The Bound types point at a variable of
// the program instead of holding the value.
enum class ValueType : int32_t {
    Null = 0,
    Bool = 1,
    Int = 2,
    Double = 3,
    String = 4,
    BoundBool = 5,
    BoundShort = 6,
    BoundInt = 7,
    BoundFloat = 8,
    BoundDouble = 9,
    BoundString = 10,
};

// The scalar payload of a Var: a held null, bool, integer, double or text, or
// a pointer to a program variable of one of six types. A bound Value does not
// own its variable; copies point at the same one. Conversions never throw.
class Value {
  public:
    // Null.
    Value() { payload_.i = 0; }
    Value(bool v) : type_(ValueType::Bool) { payload_.i = v ? 1 : 0; }
    template <std::integral T>
    requires(!std::same_as<T, bool>) Value(T v) : type_(ValueType::Int) {
        payload_.i = static_cast<int64_t>(v);
    }
    template <std::floating_point T>
    Value(T v) : type_(ValueType::Double) {
        payload_.d = static_cast<double>(v);
    }
    Value(const String& text) : type_(ValueType::String), text_(text) { payload_.i = 0; }
    Value(String&& text) : type_(ValueType::String), text_(std::move(text)) { payload_.i = 0; }
    Value(const char* utf8) : Value(String(utf8)) {}

    // Bound to a variable that must outlive every copy of the Value.
    Value(bool* v) : type_(ValueType::BoundBool) { payload_.p = v; }
    Value(int16_t* v) : type_(ValueType::BoundShort) { payload_.p = v; }
    Value(int32_t* v) : type_(ValueType::BoundInt) { payload_.p = v; }
    Value(float* v) : type_(ValueType::BoundFloat) { payload_.p = v; }
    Value(double* v) : type_(ValueType::BoundDouble) { payload_.p = v; }
    Value(String* v) : type_(ValueType::BoundString) { payload_.p = v; }

    Value(const Value&) = default;
    Value(Value&&) noexcept = default;
    Value& operator=(const Value&) = default;
    Value& operator=(Value&&) noexcept = default;
    virtual ~Value() = default;

    ValueType type() const { return type_; }
    // The held text of a String Value (empty for every other type).
    const String& text() const { return text_; }

    // Text of the value: "" for Null, "true"/"false", decimal integers, doubles
    // as "%.6g", the text itself. An unknown tag prints "lum::Value::to_string:
    // unimplemented - N" on standard error and gives "".
    virtual String to_string() const;
    // Integer reading of the value: Null 0, Bool 0/1, doubles truncated toward
    // zero (bound floating variables keep only the low 32 bits), text read as
    // strtoll does. An unknown tag prints "lum::Value::to_int64: unimplemented -
    // N" and gives 0.
    int64_t to_int64() const;

  private:
    friend class Var;
    // Tests build Values with tags outside the known range.
    friend struct TestAccess;

    ValueType type_ = ValueType::Null;
    union {
        int64_t i;
        double d;
        void* p;
    } payload_;
    String text_;
};

} // namespace lum
