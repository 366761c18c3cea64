// Bindwell: binds joypad buttons and sticks to the engine's logical buttons.

#include "bindwell/bindwell.hpp"
#include "lum/app/process/entry.hpp"

#include <cstdio>
#include <cstring>

namespace {

// The program's own main function: builds the application and runs it.
void app_main() {
    lum::Bindwell bindwell;
    bindwell.run();
}

constexpr const char* HELP = R"(usage: bindwell [--help | --version]

Binds the buttons and sticks of up to four joypads to the logical buttons
that every game on the lum engine reads (LEFT, RIGHT, UP, DOWN, A, B, X, Y,
PREV, NEXT, SELECT, START) and saves them at once.

Keys:
  Return or 1       configure joypad 1
  2, 3, 4           configure joypad 2, 3 or 4
  Q                 quit
  while configuring:
    a button or stick   bind it to the prompted button
    Space               leave the prompted button unbound
    Backspace           back to the previous prompt
    Escape              abort; nothing is saved
  Control+Alt+S     screenshot; Control+Alt+P pause; Control+Alt+1, 2, 3 window size

Files, under the folder it was started from (the home folder when it is
started from a desktop menu):
  Save/joypad.yaml      the joypad bindings it writes
  Save/gamecontrollerdb.txt  the same bindings as SDL/GLFW gamepad mappings
  Save/keyboard.yaml    the keyboard bindings (the defaults are written when missing)
  debuglog-*.txt        the debug log
Screenshots go to the desktop folder as halvane-screenshot-YYYYMMDD-HHMMSS.png.

The boot picture "png" is read from the folder it was started from, else from
PREFIX/share/bindwell/ of its installation, else from beside the program.

Options:
  --help       show this text
  --version    show the version
)";

// Answers --help and --version before anything starts, so neither needs a
// display; true when the command line was one of them.
bool answered(int argc, char** argv) {
    if (argc != 2)
        return false;
    if (std::strcmp(argv[1], "--help") == 0) {
        std::fputs(HELP, stdout);
        return true;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("bindwell %s\n", LUM_VERSION);
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (answered(argc, argv))
        return 0;
    return lum::process_entry(lum::raw_command_line(argc, argv), app_main);
}
