#include "lum/app/process/self_check.hpp"
#include "lum/core/random.hpp"

namespace lum {

// The reference outputs published with MT19937 (mt19937ar.out) and the
// generator's 10000th output for the default seed 5489 (C++ std::mt19937).
SelfCheck unit_test_random() {
    SelfCheck check("UnitTest_Random");
    Random r;
    const uint32_t key[] = {0x123, 0x234, 0x345, 0x456};
    r.init_by_array(key, 4);
    const uint32_t expected[] = {1067595299u, 955945823u, 477289528u, 4107218783u, 4228976476u};
    for (uint32_t want : expected)
        check.expect(r.genrand_int32() == want, "init_by_array({0x123,0x234,0x345,0x456}) output");

    Random d;
    uint32_t v = 0;
    for (int i = 0; i < 10000; ++i)
        v = d.genrand_int32();
    check.expect(v == 4123659995u, "10000th output of seed 5489");
    return check;
}

} // namespace lum
