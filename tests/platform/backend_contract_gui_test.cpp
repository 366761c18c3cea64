// The backend contract against the GLFW backend on a real X display, with
// xdotool and lum_wm_close standing in for the person and the window manager,
// and a virtual-joypad file for the joysticks.

#include "backend_contract.hpp"

#include "lum/platform/glfw/glfw_backend.hpp"
#include "support/live_process.hpp"
#include "support/temp_folder.hpp"

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace lum::platform::contract {

namespace {

// xdotool's key names for the virtual keys the cases use.
const std::map<int, std::string> KEY_NAMES = {{VK_A, "a"}, {VK_RETURN, "Return"}, {VK_L_MENU, "Alt_L"}};

// The person's actions are gathered into one xdotool run, which puts the
// pointer into the window first (keys and buttons go to the window under it)
// and ends by moving it to a mark: where the case asked it to be, else a spot
// near the corner. Once the backend sees the pointer at the mark, X has sent
// every event of the run before it, so one more poll delivers them all.
class GlfwDriver {
  public:
    // The backend reads the file when the window system starts.
    GlfwDriver() {
        folder_.write("pads.txt", "");
        setenv(VIRTUAL_JOYPADS_VARIABLE, folder_.file("pads.txt").c_str(), 1);
    }
    ~GlfwDriver() { unsetenv(VIRTUAL_JOYPADS_VARIABLE); }

    Backend& backend() { return glfw_; }

    bool open(int width, int height) {
        WindowRequest r;
        r.width = width;
        r.height = height;
        r.title = String("lum contract " + std::to_string(++opened_));
        if (!open_window(r))
            return false;
        window_id_ = lum::find_window(r.title.to_utf8(), 5000);
        return !window_id_.empty();
    }

    void settle() {
        Mark mark = moved_ ? moved_to_ : (last_mark_ == Mark{2, 3} ? Mark{3, 2} : Mark{2, 3});
        ASSERT_FALSE(mark == last_mark_) << "a mark where the pointer already is proves nothing";
        std::vector<std::string> argv = {"xdotool", "mousemove", "--window", window_id_, "1", "1"};
        argv.insert(argv.end(), actions_.begin(), actions_.end());
        for (const std::string& w : {std::string("mousemove"), std::string("--window"), window_id_,
                                     std::to_string(mark.x), std::to_string(mark.y)})
            argv.push_back(w);
        RunResult r = lum::x_client(argv);
        ASSERT_EQ(r.exit_status, 0) << r.stderr_text;
        actions_.clear();
        moved_ = false;
        last_mark_ = mark;
        for (int i = 0; i < 400; ++i) {
            poll_events();
            MousePosition p = mouse_position();
            if (p.x == mark.x && p.y == mark.y)
                break;
            sleep_milliseconds(5);
        }
        poll_events();
    }

    void user_resize(int width, int height) {
        actions_.insert(actions_.end(),
                        {"windowsize", window_id_, std::to_string(width), std::to_string(height)});
    }
    // Without a window manager, hiding the window takes the focus from it and
    // giving it back needs the window shown again.
    void user_focus(bool focused) {
        std::vector<std::string> argv = {"xdotool", focused ? "windowmap" : "windowunmap", "--sync", window_id_};
        if (focused)
            argv.insert(argv.end(), {"windowfocus", "--sync", window_id_});
        RunResult r = lum::x_client(argv);
        ASSERT_EQ(r.exit_status, 0) << r.stderr_text;
    }
    // The window manager's close button, through the program end-to-end tests use.
    void user_close() { ASSERT_TRUE(lum::close_window(shown_title())) << "no window took the close"; }
    void tap_key(int vk) { actions_.insert(actions_.end(), {"key", KEY_NAMES.at(vk)}); }
    void key_down(int vk) { actions_.insert(actions_.end(), {"keydown", KEY_NAMES.at(vk)}); }
    void key_up(int vk) { actions_.insert(actions_.end(), {"keyup", KEY_NAMES.at(vk)}); }
    void move_mouse(int x, int y) {
        moved_ = true;
        moved_to_ = {x, y};
    }
    void press_mouse(int button, bool down) {
        // GLFW counts buttons from 0 as left, right, middle; X from 1 as left, middle, right.
        static const char* const X_BUTTONS[] = {"1", "3", "2", "8", "9", "10", "11", "12"};
        actions_.insert(actions_.end(), {down ? "mousedown" : "mouseup", X_BUTTONS[button]});
    }
    void scroll(int steps) {
        for (int i = 0; i < std::abs(steps); ++i)
            actions_.insert(actions_.end(), {"click", steps > 0 ? "4" : "5"});
    }
    std::string shown_title() {
        RunResult r = lum::x_client({"xdotool", "getwindowname", window_id_});
        return r.stdout_text.substr(0, r.stdout_text.find('\n'));
    }

    void plug(int id, const char* name, int axes, int buttons) {
        append("plug " + std::to_string(id) + " " + std::to_string(axes) + " " + std::to_string(buttons) +
               " " + name);
    }
    void unplug(int id) { append("unplug " + std::to_string(id)); }
    void set_axis(int id, int axis, float value) {
        append("axis " + std::to_string(id) + " " + std::to_string(axis) + " " + std::to_string(value));
    }
    void set_button(int id, int button, bool down) {
        append((down ? "press " : "release ") + std::to_string(id) + " " + std::to_string(button));
    }

  private:
    void append(const std::string& line) { folder_.append("pads.txt", line + "\n"); }

    struct Mark {
        int x = -1;
        int y = -1;
        bool operator==(const Mark&) const = default;
    };

    lum::test::TempFolder folder_;
    GlfwBackend glfw_;
    std::string window_id_;
    std::vector<std::string> actions_;
    bool moved_ = false;
    Mark moved_to_;
    Mark last_mark_;
    int opened_ = 0;
};

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Glfw, BackendContract, GlfwDriver);

} // namespace lum::platform::contract
