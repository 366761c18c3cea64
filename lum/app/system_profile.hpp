#pragma once

#include "lum/text/string.hpp"

#include <cstdint>

namespace lum {

// The machine facts gathered at start; one process-wide instance, read-only
// once the probes have run.
struct SystemProfile {
    // Folders, each ending with "/".
    String current_directory;
    String desktop_directory;
    String fonts_directory;

    String user_name;

    // The language row and the process locale chosen from it.
    int32_t language_index = 21;
    String language_code;
    String language_english_name;
    String language_native_name;
    String locale;

    uint32_t user_hash = 0;

    String display_adapter;
    String architecture;
    String machine_class;
    String computer_name;
    uint32_t memory_mb = 0;

    String build_info;
    String platform_text;
    String release_date;
    String build_version;
    int32_t revision = 0;
    bool is_64bit = false;

    static SystemProfile& instance();
};

// Fills the environment facts of the profile: folders, user name, machine and
// system facts, and the user hash. Run once by the run wrapper.
void probe_environment();

// h = rotl(h, 4) XOR u over every UTF-16 unit of the text, from h = 0.
uint32_t user_hash_of(const String& text);

} // namespace lum
