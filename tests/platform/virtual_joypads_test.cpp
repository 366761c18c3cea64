#include "lum/platform/virtual_joypads.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace lum::platform;

namespace {

// A virtual-joypad file "pads.txt" and the reports it gave.
struct Pads {
    std::vector<std::string> reports;
    VirtualJoypads pads{"pads.txt", [this](const std::string& r) { reports.push_back(r); }};

    // Joystick id as one line: its name, then its axes and its buttons as
    // read now (reading forgets the taps), then its hats when it has any; "-"
    // when it is not plugged.
    std::string read(int id) {
        JoystickBank& bank = pads.joysticks();
        if (!bank.present(id))
            return bank.axis_count(id) || bank.button_count(id) || !bank.name(id).empty()
                       ? "absent but not empty"
                       : "-";
        float axes[VirtualJoypads::MAX_AXES];
        uint8_t buttons[VirtualJoypads::MAX_BUTTONS];
        std::string s = "'" + bank.name(id).to_utf8() + "'";
        for (int i = 0, n = bank.read_axes(id, axes, VirtualJoypads::MAX_AXES); i < n; ++i) {
            char text[16];
            std::snprintf(text, sizeof text, " %.2f", axes[i]);
            s += text;
        }
        s += " ";
        for (int i = 0, n = bank.read_buttons(id, buttons, VirtualJoypads::MAX_BUTTONS); i < n; ++i)
            s += static_cast<char>('0' + buttons[i]);
        if (bank.hat_count(id) > 0)
            s += " hats " + std::to_string(bank.hat_count(id));
        return s;
    }
};

} // namespace

TEST(VirtualJoypads, CommandsTakeEffectOnceTheirLineIsComplete) {
    struct Step {
        const char* bytes;
        int id;
        const char* reads;
    };
    // One file fed in these pieces; after each, joystick id reads so.
    const Step steps[] = {
        {"plug 2 3 5 Logitech Dual Action\n", 2, "'Logitech Dual Action' 0.00 0.00 0.00 00000"},
        {"", 0, "-"},
        {"press 2 4\naxis 2 1 -0.5\n", 2, "'Logitech Dual Action' 0.00 -0.50 0.00 00001"},
        {"release 2 4\n", 2, "'Logitech Dual Action' 0.00 -0.50 0.00 00000"},
        // Down and up between two reads: down once.
        {"press 2 0\nrelease 2 0\n", 2, "'Logitech Dual Action' 0.00 -0.50 0.00 10000"},
        {"", 2, "'Logitech Dual Action' 0.00 -0.50 0.00 00000"},
        // A partial line waits for its newline.
        {"plug 7 1 2  Pad  two \t", 7, "-"},
        {"\r\npre", 7, "'Pad  two' 0.00 00"},
        {"ss 7 1\n", 7, "'Pad  two' 0.00 01"},
        // Plugging again starts at rest; no name is an empty one.
        {"plug 7 0 1\n", 7, "'' 0"},
        {"  # press 7 0\n\n   \n#\n", 7, "'' 0"},
        {"axis 2 0 1\naxis 2 2 1e-400\n", 2, "'Logitech Dual Action' 1.00 -0.50 0.00 00000"},
        {"unplug 2\n", 2, "-"},
        {"plug 15 8 32\nplug 0 0 0\n", 15,
         "'' 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 00000000000000000000000000000000"},
        {"", 0, "'' "},
        // A hat's four buttons (up, right, down, left) follow the real ones;
        // hats plugs the pad afresh and keeps its name.
        {"plug 3 1 2 Hat Pad\npress 3 1\nhats 3 1\npress 3 3\n", 3, "'Hat Pad' 0.00 000100 hats 1"},
        {"hats 3 2\nhats 3 0\n", 3, "'Hat Pad' 0.00 00"},
    };
    Pads p;
    for (const Step& s : steps) {
        p.pads.feed(s.bytes);
        EXPECT_EQ(p.read(s.id), s.reads) << "after \"" << s.bytes << "\"";
    }
    EXPECT_TRUE(p.reports.empty()) << p.reports.front();
}

TEST(VirtualJoypads, EachBadLineIsReportedWithItsNumberAndSkipped) {
    struct Bad {
        std::string line;
        const char* problem;
    };
    const Bad bad[] = {
        {"jump 1", "unknown command \"jump\""},
        {"Plug 0 1 1", "unknown command \"Plug\""},
        {"\x1b[2Jx\x7f", "unknown command \"\\x1B[2Jx\\x7F\""},
        {"plug 1 2", "\"plug\" needs ID AXES BUTTONS [NAME]"},
        {"plug 16 1 1", "joystick 16 is out of range (0 to 15)"},
        {"plug -1 1 1", "joystick -1 is out of range (0 to 15)"},
        {"plug x 1 1", "\"x\" is not a whole number"},
        {"plug 1 9 1", "axis count 9 is out of range (0 to 8)"},
        {"plug 1 1.5 2", "\"1.5\" is not a whole number"},
        {"plug 1 1 33 Pad", "button count 33 is out of range (0 to 32)"},
        {"plug +1 1 1", "\"+1\" is not a whole number"},
        {"hats 0", "\"hats\" needs ID HATS"},
        {"hats 0 5", "hat count 5 is out of range (0 to 4)"},
        {"hats 9 1", "joystick 9 is not plugged"},
        {"unplug", "\"unplug\" needs ID"},
        {"unplug 0 1", "\"unplug\" needs ID"},
        {"unplug 5", "joystick 5 is not plugged"},
        {"press 0", "\"press\" needs ID BUTTON"},
        {"release 0 1 2", "\"release\" needs ID BUTTON"},
        {"press 3 0", "joystick 3 is not plugged"},
        {"press 0 4", "button 4 is out of range (0 to 3)"},
        {"release 0 99999999999999999999", "button 99999999999999999999 is out of range (0 to 3)"},
        {"press 1 0", "joystick 1 has no buttons"},
        {"axis 1 0 0", "joystick 1 has no axes"},
        {"axis 0 0", "\"axis\" needs ID AXIS VALUE"},
        {"axis 0 2 0", "axis 2 is out of range (0 to 1)"},
        {"axis 0 0 1.5", "value 1.5 is out of range (-1 to 1)"},
        {"axis 0 0 -1e999", "value -1e999 is out of range (-1 to 1)"},
        {"axis 0 0 nan", "\"nan\" is not a number"},
        {"axis 0 0 0.5x", "\"0.5x\" is not a number"},
        {"axis 99 0 0", "joystick 99 is out of range (0 to 15)"},
        {std::string(VirtualJoypads::MAX_LINE + 1, 'x'), "line longer than 4096 bytes"},
    };
    Pads p;
    p.pads.feed("plug 0 2 4 Pad\nplug 1 0 0\n");
    for (const Bad& b : bad)
        p.pads.feed(b.line + "\n");
    p.pads.feed(std::string(VirtualJoypads::MAX_LINE, 'p') + "\npress 0 3\n");
    ASSERT_EQ(p.reports.size(), std::size(bad) + 1);
    for (size_t i = 0; i < std::size(bad); ++i)
        EXPECT_EQ(p.reports[i], "pads.txt:" + std::to_string(i + 3) + ": " + bad[i].problem);
    // A line of exactly the longest length is read (and is no command).
    EXPECT_EQ(p.reports.back(), "pads.txt:" + std::to_string(std::size(bad) + 3) + ": unknown command \"" +
                                    std::string(VirtualJoypads::MAX_LINE, 'p') + "\"");
    EXPECT_EQ(p.read(0), "'Pad' 0.00 0.00 0001") << "bad lines change nothing; the next good one works";
    EXPECT_EQ(p.read(1), "'' ");
}
