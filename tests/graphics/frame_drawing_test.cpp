// The frame recorder over a renderer that only logs what reaches it.
#include "lum/graphics/frame_drawing.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace lum;

namespace {

class LoggingRenderer : public RenderBackend {
  public:
    std::vector<std::string> log;

    void use_target(const TargetEntry& e) override {
        log.push_back("target " + std::to_string(e.framebuffer));
    }
    void use_window(int32_t, int32_t) override { log.push_back("window"); }
    void set_viewport(int32_t, int32_t, int32_t, int32_t) override { log.push_back("viewport"); }
    TargetObjects create_target(int32_t, int32_t) override {
        next_ += 2;
        return {next_ - 1, 0, next_, true};
    }
    void delete_target(const TargetObjects&) override {}
    uint32_t create_texture(int32_t, const uint8_t*, bool) override { return ++next_; }
    void set_texture_filter(uint32_t, bool) override {}
    void delete_texture(uint32_t) override {}
    void clear(const RGBA& c) override { log.push_back("clear " + std::to_string(c.r)); }
    void clear_viewport(const RGBA&) override { log.push_back("clear viewport"); }
    void clear_rect(const RGBA&, int32_t, int32_t, int32_t, int32_t) override { log.push_back("clear rect"); }
    void draw_rect(const ColourList&, float, float, int32_t, int32_t, float, float) override {
        log.push_back("rect");
    }
    void draw_round_rect(const ColourList&, float, float, float, float, float, float) override {
        log.push_back("round rect");
    }
    void draw_textured_quad(uint32_t texture, const std::array<QuadCorner, 4>&, float, float, float, float,
                            float) override {
        log.push_back("quad " + std::to_string(texture));
    }
    void enable_blending(uint32_t, uint32_t) override { log.push_back("blend"); }
    void disable_blending() override { log.push_back("no blend"); }
    bool read_pixels(int32_t, int32_t, int32_t, int32_t, uint8_t*) override {
        log.push_back("read");
        return true;
    }

  private:
    uint32_t next_ = 0;
};

using Log = std::vector<std::string>;

// Bindwell's frame: the text target into the screen target, that into the window.
struct Frame {
    FrameRecorder& r;
    TargetObjects screen, text;
    void draw(uint8_t window_colour = 32) {
        r.use_target({screen.framebuffer, 0, 0, 256, 224});
        r.clear(RGBA(7, 0, 0, 255));
        r.enable_blending(0x302, 0x303);
        r.draw_textured_quad(text.texture, {}, 128, 112, 256, 224, 0);
        r.use_window(256, 224);
        r.clear(RGBA(window_colour, 0, 0, 255));
        r.draw_textured_quad(screen.texture, {}, 128, 112, 512, 448, 0);
    }
    bool run(bool must_show = false, uint8_t window_colour = 32) {
        r.begin_frame();
        draw(window_colour);
        return r.end_frame(must_show);
    }
};

} // namespace

TEST(FrameRecorder, AFrameIsDrawnAndShownOnlyWhenItsPictureDiffersOrTheWindowAsksForIt) {
    LoggingRenderer gl;
    FrameRecorder recorder(gl);
    Frame frame{recorder, recorder.create_target(256, 224), recorder.create_target(256, 224)};
    const Log drawn{"target 2", "clear 7", "blend", "quad 3", "window", "clear 32", "quad 1"};

    // Held back until the frame ends, then drawn in order.
    recorder.begin_frame();
    frame.draw();
    EXPECT_TRUE(gl.log.empty());
    EXPECT_TRUE(recorder.end_frame(false));
    EXPECT_EQ(gl.log, drawn);
    gl.log.clear();

    // The same picture again: nothing drawn, nothing to present.
    EXPECT_FALSE(frame.run());
    EXPECT_FALSE(frame.run());
    EXPECT_TRUE(gl.log.empty());
    // The window lost its picture: drawn again all the same.
    EXPECT_TRUE(frame.run(true));
    EXPECT_EQ(gl.log, drawn);
    gl.log.clear();
    // Another colour is another picture.
    EXPECT_TRUE(frame.run(false, 33));
    EXPECT_FALSE(frame.run(false, 33));

    // A texture made between frames may reuse a name the shown frame drew.
    recorder.create_texture(64, nullptr, false);
    EXPECT_TRUE(frame.run(false, 33));
    // Drawing between frames goes straight to the window, which then shows
    // something else.
    gl.log.clear();
    recorder.clear(RGBA(9, 0, 0, 255));
    EXPECT_EQ(gl.log, Log{"clear 9"});
    EXPECT_TRUE(frame.run(false, 33));

    // Reading pixels mid-frame reads what the frame drew so far.
    gl.log.clear();
    recorder.begin_frame();
    recorder.use_window(256, 224);
    recorder.clear(RGBA(5, 0, 0, 255));
    uint8_t pixel[4];
    recorder.read_pixels(0, 0, 1, 1, pixel);
    recorder.clear(RGBA(6, 0, 0, 255));
    EXPECT_TRUE(recorder.end_frame(false));
    EXPECT_EQ(gl.log, (Log{"window", "clear 5", "read", "clear 6"}));
}

TEST(FrameRecorder, AFrameThatDrawsOverWhatATargetKeptFromEarlierFramesIsAlwaysDrawn) {
    LoggingRenderer gl;
    FrameRecorder recorder(gl);
    Frame frame{recorder, recorder.create_target(256, 224), recorder.create_target(256, 224)};
    auto glyph_then_frame = [&] {
        recorder.begin_frame();
        // New cells over the text target's old ones, as a text screen's flush.
        recorder.use_target({frame.text.framebuffer, 0, 0, 256, 224});
        recorder.draw_textured_quad(99, {}, 4, 4, 8, 8, 0);
        frame.draw();
        return recorder.end_frame(false);
    };
    EXPECT_TRUE(glyph_then_frame());
    EXPECT_TRUE(glyph_then_frame());
    // Once the text target is left alone, its picture holds still.
    EXPECT_TRUE(frame.run());
    EXPECT_FALSE(frame.run());

    // A target read before it is cleared and drawn again feeds on itself.
    auto feedback = [&] {
        recorder.begin_frame();
        recorder.use_target({frame.text.framebuffer, 0, 0, 256, 224});
        recorder.clear(RGBA(0, 0, 0, 0));
        recorder.draw_textured_quad(frame.screen.texture, {}, 128, 112, 256, 224, 0);
        frame.draw();
        return recorder.end_frame(false);
    };
    EXPECT_TRUE(feedback());
    EXPECT_TRUE(feedback());
}
