#pragma once

#include "lum/data/value.hpp"
#include "lum/data/var.hpp"
#include "lum/text/format.hpp"

#include <cstdint>

namespace lum {

// Builds what the public interface cannot: values with type tags and kinds
// outside the known range, for the tests of how they are reported.
struct TestAccess {
    static Variant variant_with_tag(int32_t tag, uint64_t payload) {
        Variant v;
        v.type_ = static_cast<VariantType>(tag);
        v.payload_.u = payload;
        return v;
    }
    static Value value_with_tag(int32_t tag, uint64_t payload) {
        Value v;
        v.type_ = static_cast<ValueType>(tag);
        v.payload_.i = static_cast<int64_t>(payload);
        return v;
    }
    static Var var_with_kind(int32_t kind) {
        Var v;
        v.kind_ = static_cast<VarKind>(kind);
        return v;
    }
};

} // namespace lum
