#include "gl_test_window.hpp"

#include "lum/core/runtime_warning.hpp"
#include "lum/error/exception.hpp"
#include "lum/graphics/draw.hpp"
#include "lum/graphics/gl/framebuffer_functions.hpp"
#include "lum/graphics/gl/gl_info.hpp"
#include "lum/graphics/gl/gl_lookup.hpp"
#include "lum/graphics/gl/shader_functions.hpp"
#include "lum/platform/window.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace lum;
using namespace lum::test;

namespace {

std::array<GLint, 4> gl_viewport() {
    std::array<GLint, 4> v{};
    glGetIntegerv(GL_VIEWPORT, v.data());
    return v;
}

// Applies the window target with the given display state.
void apply(int32_t mode, float scale, int sw, int sh, int ww, int wh) {
    RendererState& r = renderer();
    r.screen_mode = mode;
    r.scale = scale;
    r.screen_width = sw;
    r.screen_height = sh;
    r.window_width = ww;
    r.window_height = wh;
    apply_window_target();
}

} // namespace

TEST(GraphicsStart, LoadsEveryFramebufferAndShaderFunctionAndReadsTheDriver) {
    LUM_REQUIRE_GL();
    EXPECT_TRUE(framebuffer_functions().complete());
    for (size_t i = 0; i < SHADER_FUNCTION_NAMES.size(); ++i)
        EXPECT_NE(shader_functions().slots[i], nullptr) << SHADER_FUNCTION_NAMES[i];
    const GlInfo& info = gl_info();
    EXPECT_FALSE(info.vendor.empty());
    EXPECT_FALSE(info.renderer.empty());
    EXPECT_GE(info.version_number, 2.0f);
    EXPECT_GT(info.max_texture_size, 0);
    EXPECT_GT(info.max_lights, 0);
}

TEST(GlFunctionLookup, TheContextOffersWhatItsVersionAndExtensionsSay) {
    LUM_REQUIRE_GL();
    GlDriver driver = current_gl_driver();
    EXPECT_GE(driver.major, 2);
    EXPECT_NE(gl_entry_point(driver, "glBindFramebuffer", FRAMEBUFFER_CORE_NEED), nullptr);
    EXPECT_NE(gl_entry_point(driver, "glUseProgram", SHADER_FUNCTIONS_NEED), nullptr);
    EXPECT_EQ(gl_entry_point(driver, "glBindFramebufferEXT", FRAMEBUFFER_EXT_NEED) != nullptr,
              platform::gl_extension_supported("GL_EXT_framebuffer_object"));
    EXPECT_EQ(gl_entry_point(driver, "glMadeUpFunction", GlRequirement{99, 0, "GL_LUM_made_up"}), nullptr);
}

TEST(GlFunctionLookup, ForcedErrorReportsEveryFramebufferFunctionMissing) {
    LUM_REQUIRE_GL();
    forced_opengl_error = true;
    testing::internal::CaptureStderr();
    bool ok = load_framebuffer_functions();
    std::string shown = testing::internal::GetCapturedStderr();
    forced_opengl_error = false;
    EXPECT_FALSE(ok);
    for (const char* name : framebuffer_function_names())
        EXPECT_NE(shown.find(std::string("　") + name + "\r\n"), std::string::npos) << name;
    EXPECT_NE(shown.find("ごめんなさい！　このパソコンではうごきません！"), std::string::npos);
    EXPECT_NE(shown.find("詳細な情報："), std::string::npos);
    // A capable driver loads them all again once the switch is off.
    EXPECT_TRUE(load_framebuffer_functions());
    EXPECT_TRUE(framebuffer_functions().complete());
}

TEST(GraphicsStart, ForcedErrorThrowsGraphicsGlextException) {
    LUM_REQUIRE_GL();
    forced_opengl_error = true;
    testing::internal::CaptureStderr();
    EXPECT_THROW(graphics_start(), GraphicsGlextException);
    testing::internal::GetCapturedStderr();
    forced_opengl_error = false;
    graphics_start();
    EXPECT_TRUE(framebuffer_functions().complete());
}

TEST(WindowTarget, ScreenModesSetCentredViewports) {
    LUM_REQUIRE_GL();
    apply(LETTERBOX, 1, 320, 240, 1000, 600);
    EXPECT_EQ(gl_viewport(), (std::array<GLint, 4>{100, 0, 800, 600}));
    EXPECT_FALSE(renderer().viewport_at_origin);
    apply(LETTERBOX, 1, 320, 240, 640, 600);
    EXPECT_EQ(gl_viewport(), (std::array<GLint, 4>{0, 60, 640, 480}));
    apply(STRETCH, 1, 320, 240, 1000, 600);
    EXPECT_EQ(gl_viewport(), (std::array<GLint, 4>{0, 0, 1000, 600}));
    EXPECT_TRUE(renderer().viewport_at_origin);
    apply(FIXED_SCALE, 2, 320, 240, 500, 400);
    EXPECT_EQ(gl_viewport(), (std::array<GLint, 4>{-70, -40, 640, 480}));
    EXPECT_EQ(renderer().viewport_x, -70);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
}

TEST(WindowTarget, UnknownModeKeepsTheViewportButResetsTheProjection) {
    LUM_REQUIRE_GL();
    apply(LETTERBOX, 1, 320, 240, 1000, 600);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    apply(3, 1, 256, 224, 512, 448);
    EXPECT_EQ(gl_viewport(), (std::array<GLint, 4>{100, 0, 800, 600}));
    // glOrtho(0, 256, 224, 0, -1, 1): x scale 2/256, y scale -2/224.
    GLfloat m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    EXPECT_FLOAT_EQ(m[0], 2.0f / 256);
    EXPECT_FLOAT_EQ(m[5], -2.0f / 224);
    EXPECT_FLOAT_EQ(m[12], -1.0f);
    EXPECT_FLOAT_EQ(m[13], 1.0f);
    apply(LETTERBOX, 1, 256, 224, 512, 448);
}

TEST(TargetStack, PushSetsTheTargetViewportAndPopOnAnEmptyStackOnlyReappliesTheWindow) {
    LUM_REQUIRE_GL();
    apply(LETTERBOX, 1, 256, 224, 1024, 448);
    RenderTarget t(64, 32);
    push_target(t);
    EXPECT_EQ(gl_viewport(), (std::array<GLint, 4>{0, 0, 64, 32}));
    ASSERT_EQ(renderer().target_stack.size(), 1u);
    EXPECT_EQ(renderer().target_stack.back().framebuffer, t.framebuffer());
    GLint bound = -1;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), t.framebuffer());
    pop_target();
    EXPECT_TRUE(renderer().target_stack.empty());
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &bound);
    EXPECT_EQ(bound, 0);
    EXPECT_EQ(gl_viewport(), (std::array<GLint, 4>{256, 0, 512, 448}));
    pop_target();
    EXPECT_TRUE(renderer().target_stack.empty());
    EXPECT_EQ(gl_viewport(), (std::array<GLint, 4>{256, 0, 512, 448}));
    apply(LETTERBOX, 1, 256, 224, 512, 448);
}

TEST(RenderTarget, SizesAreClampedAndTheFramebufferIsComplete) {
    LUM_REQUIRE_GL();
    RenderTarget t(0, 5000);
    EXPECT_EQ(t.width(), 1);
    EXPECT_EQ(t.height(), 4096);
    glBindTexture(GL_TEXTURE_2D, t.texture());
    GLint w = 0, h = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    glBindTexture(GL_TEXTURE_2D, 0);
    EXPECT_EQ(w, 1);
    EXPECT_EQ(h, 4096);
    const FramebufferEntryPoints& fb = framebuffer_functions();
    fb.bind_framebuffer(GL_FRAMEBUFFER, t.framebuffer());
    EXPECT_EQ(fb.check_framebuffer_status(GL_FRAMEBUFFER), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));
    GLint stencil = 0;
    glGetIntegerv(GL_STENCIL_BITS, &stencil);
    EXPECT_EQ(stencil, 8);
    apply_window_target();
}

namespace {
GLenum APIENTRY unsupported(GLenum) {
    return GL_FRAMEBUFFER_UNSUPPORTED;
}
} // namespace

TEST(RenderTarget, AnIncompleteFramebufferGivesAWarningWithItsStatus) {
    LUM_REQUIRE_GL();
    // The real driver, except that it turns every framebuffer down.
    GlDriver driver = current_gl_driver();
    auto real = driver.address;
    driver.address = [real](const char* name) -> platform::GlProc {
        if (std::string(name).starts_with("glCheckFramebufferStatus"))
            return reinterpret_cast<platform::GlProc>(unsupported);
        return real(name);
    };
    ASSERT_TRUE(load_framebuffer_functions(driver));
    int32_t before = warning_count();
    testing::internal::CaptureStderr();
    RenderTarget t(8, 8);
    std::string said = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(load_framebuffer_functions());
    EXPECT_EQ(warning_count(), before + 1);
    // GL_FRAMEBUFFER_UNSUPPORTED is 0x8CDD.
    EXPECT_EQ(said,
              "[lum.runtime.warning lum::RenderTarget::create] Framebuffer incomplete (status=36061)\n");
    EXPECT_NE(t.framebuffer(), 0u);
    EXPECT_TRUE(renderer().target_stack.empty());
}

TEST(RenderTarget, RecreatingAndDestroyingDeleteTheOldObjects) {
    LUM_REQUIRE_GL();
    const FramebufferEntryPoints& fb = framebuffer_functions();
    GLuint texture, framebuffer, renderbuffer;
    {
        RenderTarget t(16, 16);
        texture = t.texture();
        framebuffer = t.framebuffer();
        renderbuffer = t.renderbuffer();
        EXPECT_TRUE(glIsTexture(texture));
        t.create(8, 8);
        EXPECT_FALSE(glIsTexture(texture));
        EXPECT_FALSE(fb.is_framebuffer(framebuffer));
        EXPECT_FALSE(fb.is_renderbuffer(renderbuffer));
        texture = t.texture();
        RenderTarget moved = std::move(t);
        EXPECT_EQ(t.texture(), 0u);
        EXPECT_EQ(moved.texture(), texture);
        framebuffer = moved.framebuffer();
    }
    EXPECT_FALSE(glIsTexture(texture));
    EXPECT_FALSE(fb.is_framebuffer(framebuffer));
}

TEST(RenderTarget, NewTargetIsTransparentBlack) {
    LUM_REQUIRE_GL();
    RenderTarget t(8, 8);
    EXPECT_EQ(pixel_of(t, 0, 0), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(pixel_of(t, 7, 7), (Pixel{0, 0, 0, 0}));
}
