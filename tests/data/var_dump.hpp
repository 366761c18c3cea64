#pragma once

// A compact text of a Var's whole tree for comparisons in tests, built with
// const access only and independent of the engine's own writers:
// null ~, strings 'text', other scalars <text>, lists [a, b], hashes {k: v}.

#include "lum/data/var.hpp"

#include <string>

namespace lum::test {

inline std::string dump(const Var& v) {
    switch (v.kind()) {
    case VarKind::LIST: {
        std::string s = "[";
        for (int32_t i = 0; i < v.count(); ++i)
            s += (i ? ", " : "") + dump(v[i]);
        return s + "]";
    }
    case VarKind::HASH: {
        std::string s = "{";
        bool first = true;
        for (const auto& [key, member] : v.hash()) {
            s += (first ? "" : ", ") + key.to_utf8() + ": " + dump(member);
            first = false;
        }
        return s + "}";
    }
    default:
        if (v.value().type() == ValueType::Null)
            return "~";
        if (v.value().type() == ValueType::String)
            return "'" + v.to_string().to_utf8() + "'";
        return "<" + v.to_string().to_utf8() + ">";
    }
}

} // namespace lum::test
