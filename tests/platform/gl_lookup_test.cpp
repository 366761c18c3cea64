#include "lum/platform/gl_lookup.hpp"

#include <gtest/gtest.h>

using lum::platform::gl_function_offered;
using lum::platform::GlContextFacts;

namespace {
// Mesa llvmpipe's compatibility context: 4.5 with both framebuffer extensions.
const GlContextFacts MESA{4, 5, true, true};
// An old driver: OpenGL 1.4 with only the EXT framebuffer extension.
const GlContextFacts OLD{1, 4, true, false};
// OpenGL 2.1 with the ARB extension but not the EXT one.
const GlContextFacts ARB_ONLY{2, 1, false, true};
const GlContextFacts BARE_2_1{2, 1, false, false};
} // namespace

TEST(GlFunctionOffered, MadeUpNamesAreNeverOffered) {
    EXPECT_FALSE(gl_function_offered("glMadeUpFunction", MESA));
    EXPECT_FALSE(gl_function_offered("glMadeUpFunctionEXT", MESA));
    EXPECT_FALSE(gl_function_offered("EXT", MESA));
    EXPECT_FALSE(gl_function_offered("", MESA));
    // A real 2.0 name with a suffix it never had.
    EXPECT_FALSE(gl_function_offered("glUseProgramEXT", MESA));
}

TEST(GlFunctionOffered, ExtNamesNeedTheExtExtension) {
    EXPECT_TRUE(gl_function_offered("glGenFramebuffersEXT", MESA));
    EXPECT_TRUE(gl_function_offered("glGenerateMipmapEXT", OLD));
    EXPECT_FALSE(gl_function_offered("glGenFramebuffersEXT", ARB_ONLY));
}

TEST(GlFunctionOffered, PlainFramebufferNamesNeedVersion3OrTheArbExtension) {
    EXPECT_TRUE(gl_function_offered("glBindFramebuffer", MESA));
    EXPECT_TRUE(gl_function_offered("glBindFramebuffer", ARB_ONLY));
    EXPECT_TRUE(gl_function_offered("glRenderbufferStorage", GlContextFacts{3, 0, false, false}));
    EXPECT_FALSE(gl_function_offered("glBindFramebuffer", OLD));
    EXPECT_FALSE(gl_function_offered("glBindFramebuffer", BARE_2_1));
}

TEST(GlFunctionOffered, OpenGl20NamesNeedVersion2) {
    EXPECT_TRUE(gl_function_offered("glUseProgram", BARE_2_1));
    EXPECT_TRUE(gl_function_offered("glVertexAttrib4Nubv", GlContextFacts{2, 0, false, false}));
    EXPECT_FALSE(gl_function_offered("glUseProgram", OLD));
    EXPECT_FALSE(gl_function_offered("glUniform4iv", GlContextFacts{1, 5, true, true}));
}
