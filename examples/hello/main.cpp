// hello: the smallest program on the lum engine. Its task writes one line on a
// text screen and ends when Q is pressed.

#include "lum/app/frame/app.hpp"
#include "lum/app/process/entry.hpp"
#include "lum/graphics/draw.hpp"
#include "lum/graphics/font/text_screen.hpp"
#include "lum/graphics/renderer.hpp"
#include "lum/input/keyboard_state.hpp"
#include "lum/text/debug_out.hpp"

namespace {

class Hello : public lum::App {
  public:
    void setup_window(lum::WindowSettings& settings) override {
        settings.title = lum::String("Hello lum");
        settings.screen_width = 256;
        settings.screen_height = 224;
    }
    // Runs once, after the boot: sizes the text screen to the logical screen.
    void begin() override {
        const lum::RendererState& r = lum::renderer();
        screen_.resize(r.screen_width / lum::TextScreen::CELL_SIZE,
                       r.screen_height / lum::TextScreen::CELL_SIZE);
        screen_.print(2, 2, lum::String("Hello from lum!"));
        screen_.print(2, 4, lum::String("Press Q to quit."));
        lum::debug_out << "Hello from lum!\n";
    }
    // Every frame while the window has focus.
    void user() override {
        if (keyboard->keys['q'].pressed)
            die();
    }
    void paint() override {
        lum::clear_target(lum::RGB(0, 0, 64));
        screen_.flush();
        const lum::RenderTarget& t = screen_.target();
        lum::draw_target(t, t.width() * 0.5f, t.height() * 0.5f, float(t.width()), float(t.height()), 0.0f);
    }

  private:
    lum::TextScreen screen_;
};

void app_main() {
    Hello hello;
    hello.run();
}

} // namespace

int main(int argc, char** argv) {
    return lum::process_entry(lum::raw_command_line(argc, argv), app_main);
}
