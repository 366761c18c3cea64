// Bindwell: binds joypad buttons and sticks to the engine's logical buttons.

#include "lum/app/entry.hpp"

namespace {

// The program's own main function: builds the application and runs it.
void app_main() {
    // The application object arrives with the application frame; until then the
    // program starts, checks itself and ends.
}

} // namespace

int main(int argc, char** argv) {
    return lum::process_entry(lum::raw_command_line(argc, argv), app_main);
}
