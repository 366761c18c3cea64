// Bindwell: binds joypad buttons and sticks to the engine's logical buttons.

#include "bindwell/bindwell.hpp"
#include "lum/app/process/entry.hpp"

namespace {

// The program's own main function: builds the application and runs it.
void app_main() {
    lum::Bindwell bindwell;
    bindwell.run();
}

} // namespace

int main(int argc, char** argv) {
    return lum::process_entry(lum::raw_command_line(argc, argv), app_main);
}
