#include "lum/graphics/gl/gl_lookup.hpp"

#include "lum/graphics/gl/framebuffer_functions.hpp"
#include "lum/graphics/gl/shader_functions.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace lum;

namespace {

void stub() {}

// A driver as GLX is one: an address for any name whatever, so only the
// version and the extensions tell what is there.
GlDriver glx(int major, int minor, std::set<std::string> extensions) {
    return {major, minor, [extensions](const char* e) { return extensions.count(e) > 0; },
            [](const char*) -> platform::GlProc { return stub; }};
}

} // namespace

TEST(GlEntryPoint, IsThereOnlyWhenTheVersionOrAnExtensionOffersIt) {
    const GlDriver mesa = glx(4, 5, {"GL_EXT_framebuffer_object", "GL_ARB_framebuffer_object"});
    const GlDriver old = glx(1, 4, {"GL_EXT_framebuffer_object"});
    const GlDriver arb_only = glx(2, 1, {"GL_ARB_framebuffer_object"});
    const GlDriver bare_2_0 = glx(2, 0, {});
    const GlDriver bare_3_0 = glx(3, 0, {});
    struct Case {
        const GlDriver& driver;
        const char* name;
        GlRequirement need;
        bool there;
    };
    const Case cases[] = {
        {mesa, "glGenFramebuffersEXT", FRAMEBUFFER_EXT_NEED, true},
        {old, "glGenerateMipmapEXT", FRAMEBUFFER_EXT_NEED, true},
        {arb_only, "glGenFramebuffersEXT", FRAMEBUFFER_EXT_NEED, false},
        {bare_3_0, "glGenFramebuffersEXT", FRAMEBUFFER_EXT_NEED, false},
        {mesa, "glBindFramebuffer", FRAMEBUFFER_CORE_NEED, true},
        {arb_only, "glBindFramebuffer", FRAMEBUFFER_CORE_NEED, true},
        {bare_3_0, "glRenderbufferStorage", FRAMEBUFFER_CORE_NEED, true},
        {old, "glBindFramebuffer", FRAMEBUFFER_CORE_NEED, false},
        {bare_2_0, "glBindFramebuffer", FRAMEBUFFER_CORE_NEED, false},
        {bare_2_0, "glVertexAttrib4Nubv", SHADER_FUNCTIONS_NEED, true},
        {mesa, "glUseProgram", SHADER_FUNCTIONS_NEED, true},
        {old, "glUseProgram", SHADER_FUNCTIONS_NEED, false},
        {glx(1, 5, {"GL_EXT_framebuffer_object"}), "glUniform4iv", SHADER_FUNCTIONS_NEED, false},
        // Neither a version nor an extension: nothing meets it.
        {mesa, "glMadeUpFunction", GlRequirement{}, false},
        {mesa, nullptr, SHADER_FUNCTIONS_NEED, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gl_entry_point(c.driver, c.name, c.need) != nullptr, c.there)
            << (c.name ? c.name : "null") << " with OpenGL " << c.driver.major << "." << c.driver.minor;
}

TEST(GlEntryPoint, AnOfferedNameTheDriverStillLacksIsNull) {
    GlDriver driver = glx(4, 5, {});
    driver.address = [](const char*) -> platform::GlProc { return nullptr; };
    EXPECT_EQ(gl_entry_point(driver, "glUseProgram", SHADER_FUNCTIONS_NEED), nullptr);
    driver.address = nullptr;
    EXPECT_EQ(gl_entry_point(driver, "glUseProgram", SHADER_FUNCTIONS_NEED), nullptr);
}
