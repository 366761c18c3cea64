#include "lum/graphics/gl/gl_lookup.hpp"

namespace lum {

GlDriver current_gl_driver() {
    platform::Version v = platform::gl_context_version();
    return {v.major, v.minor, platform::gl_extension_supported, platform::gl_function};
}

bool gl_requirement_met(const GlDriver& d, const GlRequirement& need) {
    bool core = need.major > 0 && (d.major > need.major || (d.major == need.major && d.minor >= need.minor));
    return core || (need.extension && d.has_extension && d.has_extension(need.extension));
}

platform::GlProc gl_entry_point(const GlDriver& driver, const char* name, const GlRequirement& need) {
    if (!name || !driver.address || !gl_requirement_met(driver, need))
        return nullptr;
    return driver.address(name);
}

} // namespace lum
