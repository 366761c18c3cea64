#include "lum/graphics/gl/shader_functions.hpp"

#include "lum/error/exception.hpp"
#include "lum/graphics/pixel_shader.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <functional>
#include <utility>

using namespace lum;

namespace {

void present() {}

bool before_ignoring_case(const char* a, const char* b) {
    auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
    return std::lexicographical_compare(a, a + std::strlen(a), b, b + std::strlen(b),
                                        [&](char x, char y) { return lower(x) < lower(y); });
}

// An OpenGL 2.1 driver that gives addresses through lookup.
GlDriver driver_2_1(std::function<platform::GlProc(const char*)> lookup) {
    return {2, 1, [](const char*) { return false; }, std::move(lookup)};
}

} // namespace

TEST(ShaderFunctions, OneMissingThrowsOnlyAfterAllNinetyThreeLookups) {
    int asked = 0;
    bool last_was_asked = false;
    auto lookup = [&](const char* name) -> platform::GlProc {
        ++asked;
        if (std::strcmp(name, "glVertexAttribPointer") == 0)
            last_was_asked = true;
        return std::strcmp(name, "glUniform4iv") == 0 ? nullptr : present;
    };
    EXPECT_THROW(load_shader_functions(driver_2_1(lookup)), PixelShaderInitException);
    EXPECT_EQ(asked, 93);
    EXPECT_TRUE(last_was_asked);
    EXPECT_EQ(shader_functions().find("glUniform4iv"), nullptr);
    EXPECT_EQ(shader_functions().find("glUniform4i"), present);
}

TEST(ShaderFunctions, AllPresentLoadsEverySlotAndNamesAreLookedUpPlainOnly) {
    bool suffixed = false;
    auto lookup = [&](const char* name) -> platform::GlProc {
        if (std::strstr(name, "EXT"))
            suffixed = true;
        return present;
    };
    EXPECT_NO_THROW(load_shader_functions(driver_2_1(lookup)));
    EXPECT_FALSE(suffixed);
    for (auto slot : shader_functions().slots)
        EXPECT_EQ(slot, present);
    EXPECT_EQ(shader_functions().find("glNotAShaderFunction"), nullptr);
}

TEST(ShaderFunctions, BeforeOpenGl20NothingIsAskedForAndAllAreMissing) {
    int asked = 0;
    GlDriver old{1, 5, [](const char*) { return true; },
                 [&](const char*) -> platform::GlProc {
                     ++asked;
                     return present;
                 }};
    EXPECT_THROW(load_shader_functions(old), PixelShaderInitException);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(shader_functions().find("glUseProgram"), nullptr);
}

TEST(ShaderFunctions, TableIsInAlphabeticalOrderIgnoringCaseWithoutRepeats) {
    ASSERT_EQ(SHADER_FUNCTION_NAMES.size(), 93u);
    EXPECT_STREQ(SHADER_FUNCTION_NAMES.front(), "glAttachShader");
    EXPECT_STREQ(SHADER_FUNCTION_NAMES.back(), "glVertexAttribPointer");
    // Ignoring case puts "glGetShaderiv" before "glGetShaderSource" and
    // "glVertexAttrib4iv" before "glVertexAttrib4Nbv".
    EXPECT_STREQ(SHADER_FUNCTION_NAMES[19], "glGetShaderiv");
    EXPECT_STREQ(SHADER_FUNCTION_NAMES[20], "glGetShaderSource");
    EXPECT_STREQ(SHADER_FUNCTION_NAMES[79], "glVertexAttrib4iv");
    EXPECT_STREQ(SHADER_FUNCTION_NAMES[80], "glVertexAttrib4Nbv");
    for (size_t i = 1; i < SHADER_FUNCTION_NAMES.size(); ++i)
        EXPECT_TRUE(before_ignoring_case(SHADER_FUNCTION_NAMES[i - 1], SHADER_FUNCTION_NAMES[i]))
            << SHADER_FUNCTION_NAMES[i - 1] << " before " << SHADER_FUNCTION_NAMES[i];
}

TEST(PixelShader, StartsWithoutAProgramAndDestroysQuietlyWithoutAContext) {
    PixelShader shader;
    EXPECT_EQ(shader.program(), 0u);
}
