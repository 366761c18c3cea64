// The null renderer, in a program without a display or an OpenGL context.
#include "lum/graphics/draw.hpp"
#include "lum/graphics/font/text_screen.hpp"
#include "lum/graphics/gl/gl.hpp"
#include "lum/graphics/null_renderer.hpp"
#include "lum/graphics/pixel_rows.hpp"
#include "lum/graphics/render_target.hpp"
#include "lum/graphics/renderer.hpp"

#include <gtest/gtest.h>

#include <array>

using namespace lum;

namespace {

int gl_calls = 0;

} // namespace

// Every OpenGL 1.x entry point that the drawing code calls is replaced in this
// program by one that only counts: a call that reaches OpenGL shows here. The
// framebuffer functions are never loaded here, so calling one would crash.
#define COUNTED(name, ...)                                                                                   \
    extern "C" void GLAPIENTRY name(__VA_ARGS__) {                                                           \
        ++gl_calls;                                                                                          \
    }
COUNTED(glViewport, GLint, GLint, GLsizei, GLsizei)
COUNTED(glMatrixMode, GLenum)
COUNTED(glLoadIdentity, void)
COUNTED(glOrtho, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble)
COUNTED(glEnable, GLenum)
COUNTED(glDisable, GLenum)
COUNTED(glBlendFunc, GLenum, GLenum)
COUNTED(glClearColor, GLclampf, GLclampf, GLclampf, GLclampf)
COUNTED(glClear, GLbitfield)
COUNTED(glScissor, GLint, GLint, GLsizei, GLsizei)
COUNTED(glGetIntegerv, GLenum, GLint*)
COUNTED(glGenTextures, GLsizei, GLuint*)
COUNTED(glDeleteTextures, GLsizei, const GLuint*)
COUNTED(glBindTexture, GLenum, GLuint)
COUNTED(glPixelStorei, GLenum, GLint)
COUNTED(glTexParameteri, GLenum, GLenum, GLint)
COUNTED(glTexEnvi, GLenum, GLenum, GLint)
COUNTED(glTexImage2D, GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const GLvoid*)
COUNTED(glPushMatrix, void)
COUNTED(glPopMatrix, void)
COUNTED(glTranslatef, GLfloat, GLfloat, GLfloat)
COUNTED(glRotatef, GLfloat, GLfloat, GLfloat, GLfloat)
COUNTED(glBegin, GLenum)
COUNTED(glEnd, void)
COUNTED(glVertex2f, GLfloat, GLfloat)
COUNTED(glTexCoord2f, GLfloat, GLfloat)
COUNTED(glColor4ub, GLubyte, GLubyte, GLubyte, GLubyte)
COUNTED(glLineWidth, GLfloat)
COUNTED(glPointSize, GLfloat)
COUNTED(glColorMask, GLboolean, GLboolean, GLboolean, GLboolean)
COUNTED(glStencilOp, GLenum, GLenum, GLenum)
COUNTED(glStencilFunc, GLenum, GLint, GLuint)
COUNTED(glReadPixels, GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, GLvoid*)
#undef COUNTED

TEST(NullRenderer, TheFramesDrawingCallsKeepTheStateAndTouchNoOpenGl) {
    use_render_backend(null_renderer());
    RendererState& r = renderer();
    r = RendererState();
    r.screen_width = 320;
    r.screen_height = 240;
    r.window_width = 1000;
    r.window_height = 600;
    r.screen_mode = LETTERBOX;

    // A target of 0 x 5000 is clamped to 1 x 4096; it has no objects.
    RenderTarget screen(0, 5000);
    EXPECT_EQ(screen.width(), 1);
    EXPECT_EQ(screen.height(), 4096);
    screen.create(320, 240);
    EXPECT_EQ(screen.width(), 320);
    EXPECT_EQ(screen.height(), 240);
    EXPECT_EQ(screen.texture(), 0u);
    EXPECT_EQ(screen.framebuffer(), 0u);

    // Letterboxed, a 320 x 240 screen in a 1000 x 600 window is 800 x 600 at (100, 0).
    apply_window_target();
    auto expect_window_viewport = [&r] {
        EXPECT_EQ(r.viewport_x, 100);
        EXPECT_EQ(r.viewport_y, 0);
        EXPECT_EQ(r.viewport_width, 800);
        EXPECT_EQ(r.viewport_height, 600);
        EXPECT_FALSE(r.viewport_at_origin);
    };
    expect_window_viewport();

    push_target(screen);
    ASSERT_EQ(r.target_stack.size(), 1u);
    EXPECT_EQ(r.target_stack.back().width, 320);
    EXPECT_EQ(r.target_stack.back().height, 240);
    clear_target(RGBA(10, 20, 30, 128));
    draw_rect(ColourList(RGBA(200, 0, 0, 255)), 4, 4, 16, 16, 2, 30);
    draw_round_rect(ColourList(RGBA(0, 0, 0, 180)), 8, 8, 64, 16, 4);

    // The text screen keeps its cells: "AB" is what its first two cells show
    // once flushed, and its fill queue is spent.
    TextScreen text;
    text.resize(4, 2);
    EXPECT_EQ(text.target().width(), 32);
    EXPECT_EQ(text.target().height(), 16);
    text.print(0, 0, String("AB"));
    text.flush();
    EXPECT_EQ(text.cell(0, 0).drawn.code, uint32_t{'A'});
    EXPECT_EQ(text.cell(1, 0).drawn.code, uint32_t{'B'});
    EXPECT_FALSE(text.cell(0, 0).changed());
    EXPECT_TRUE(text.fill_queue().empty());
    EXPECT_EQ(r.target_stack.size(), 1u);
    draw_target(text.target(), 16, 8, 32, 16, 0);

    // There are no pixels to read, and the buffer is left alone.
    std::array<uint8_t, 4> pixel = {1, 2, 3, 4};
    EXPECT_FALSE(read_pixel_row(0, 0, 1, pixel.data()));
    EXPECT_EQ(pixel, (std::array<uint8_t, 4>{1, 2, 3, 4}));

    pop_target();
    EXPECT_TRUE(r.target_stack.empty());
    expect_window_viewport();
    EXPECT_EQ(gl_calls, 0);
}
