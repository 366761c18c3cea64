#include "lum/app/process/self_check.hpp"
#include "lum/core/runtime_warning.hpp"
#include "lum/core/vector.hpp"

namespace lum {

// The engine's small language extensions: the checked Vector and the warning stack.
SelfCheck unit_test_cpp_extends() {
    SelfCheck check("UnitTest_cpp_extends");
    Vector<uint8_t> v(3);
    v[0] = 7;
    v[2] = 9;
    check.expect(v.size() == 3 && v[0] == 7 && v[1] == 0 && v[2] == 9, "Vector stores in range");

    int before = warning_count();
    WarningStack::push(false);
    uint8_t& spare = v.at(3);
    check.expect(spare == 0, "out-of-range read gives 0");
    spare = 5;
    check.expect(v.at(-1) == 0, "a write to the spare element is lost");
    v.resize(-1);
    check.expect(v.size() == 3, "a negative resize is ignored");
    WarningStack::pop();
    check.expect(warning_count() == before, "silenced warnings are not counted");
    check.expect(v[0] == 7 && v[1] == 0 && v[2] == 9, "the vector is unchanged by misuse");
    return check;
}

} // namespace lum
