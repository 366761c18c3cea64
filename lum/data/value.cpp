#include "lum/data/value.hpp"

#include "lum/core/unimplemented.hpp"
#include "lum/text/format.hpp"

#include <cmath>
#include <cstdio>

namespace lum {

namespace {

// Truncation toward zero that saturates instead of overflowing; NaN gives 0.
int64_t truncate_to_int64(double d) {
    return Variant(d).to_int64();
}

// A bound floating variable keeps only the low 32 bits of its truncation.
int64_t low_32_bits(double d) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(truncate_to_int64(d))));
}

} // namespace

String Value::to_string() const {
    switch (type_) {
    case ValueType::Null:
        return String();
    case ValueType::Bool:
        return String(payload_.i ? "true" : "false");
    case ValueType::Int:
        return String::from_int64(payload_.i);
    case ValueType::Double:
        return Variant(payload_.d).to_string();
    case ValueType::String:
        return text_;
    case ValueType::BoundBool:
        return String(*static_cast<const bool*>(payload_.p) ? "true" : "false");
    case ValueType::BoundShort:
        return String::from_int64(*static_cast<const int16_t*>(payload_.p));
    case ValueType::BoundInt:
        return String::from_int64(*static_cast<const int32_t*>(payload_.p));
    case ValueType::BoundFloat:
        return String::from_float(*static_cast<const float*>(payload_.p));
    case ValueType::BoundDouble:
        return Variant(*static_cast<const double*>(payload_.p)).to_string();
    case ValueType::BoundString:
        return *static_cast<const String*>(payload_.p);
    }
    unimplemented("lum::Value::to_string", static_cast<int32_t>(type_));
    return String();
}

int64_t Value::to_int64() const {
    switch (type_) {
    case ValueType::Null:
        return 0;
    case ValueType::Bool:
        return payload_.i ? 1 : 0;
    case ValueType::Int:
        return payload_.i;
    case ValueType::Double:
        return truncate_to_int64(payload_.d);
    case ValueType::String:
        return text_.to_int64();
    case ValueType::BoundBool:
        return *static_cast<const bool*>(payload_.p) ? 1 : 0;
    case ValueType::BoundShort:
        return *static_cast<const int16_t*>(payload_.p);
    case ValueType::BoundInt:
        return *static_cast<const int32_t*>(payload_.p);
    case ValueType::BoundFloat:
        return low_32_bits(*static_cast<const float*>(payload_.p));
    case ValueType::BoundDouble:
        return low_32_bits(*static_cast<const double*>(payload_.p));
    case ValueType::BoundString:
        return static_cast<const String*>(payload_.p)->to_int64();
    }
    unimplemented("lum::Value::to_int64", static_cast<int32_t>(type_));
    return 0;
}

} // namespace lum
