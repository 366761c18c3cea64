#include "lum/graphics/shader_functions.hpp"

#include "lum/error/exception.hpp"
#include "lum/graphics/pixel_shader.hpp"

#include <gtest/gtest.h>

#include <cstring>

using namespace lum;

namespace {
void present() {}
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
    EXPECT_THROW(load_shader_functions(lookup), PixelShaderInitException);
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
    EXPECT_NO_THROW(load_shader_functions(lookup));
    EXPECT_FALSE(suffixed);
    for (auto slot : shader_functions().slots)
        EXPECT_EQ(slot, present);
    EXPECT_EQ(shader_functions().find("glNotAShaderFunction"), nullptr);
}

TEST(ShaderFunctions, TableIsTheAlphabeticalListOfNinetyThreeDistinctNames) {
    ASSERT_EQ(SHADER_FUNCTION_NAMES.size(), 93u);
    EXPECT_STREQ(SHADER_FUNCTION_NAMES.front(), "glAttachShader");
    EXPECT_STREQ(SHADER_FUNCTION_NAMES.back(), "glVertexAttribPointer");
    for (size_t i = 0; i < SHADER_FUNCTION_NAMES.size(); ++i)
        for (size_t j = i + 1; j < SHADER_FUNCTION_NAMES.size(); ++j)
            EXPECT_STRNE(SHADER_FUNCTION_NAMES[i], SHADER_FUNCTION_NAMES[j]);
}

TEST(PixelShader, StartsWithoutAProgramAndDestroysQuietlyWithoutAContext) {
    PixelShader shader;
    EXPECT_EQ(shader.program(), 0u);
}
