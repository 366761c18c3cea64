#pragma once

// Sample files under tests/fixtures, each stored once and read by tests of
// several folders.

#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace lum::test {

// The path of a sample named by its area and name, as "input/joypad0.yaml".
inline std::string sample_path(const std::string& name) {
    return std::string(LUM_TEST_FIXTURES_DIR) + "/" + name;
}

// The bytes of a sample; one that is not there fails the test, so that a
// misspelt name is not mistaken for a wrong result.
inline std::string sample_bytes(const std::string& name) {
    const std::string path = sample_path(name);
    if (!std::filesystem::is_regular_file(path))
        ADD_FAILURE() << "no sample " << path;
    return read_bytes(path);
}

inline std::string input_sample(const std::string& name) {
    return sample_bytes("input/" + name);
}
inline std::string data_sample(const std::string& name) {
    return sample_bytes("data/" + name);
}

// The picture the boot task reads as "png" from the working folder.
inline std::string boot_picture_path() {
    return LUM_BOOT_PICTURE_PATH;
}

} // namespace lum::test
