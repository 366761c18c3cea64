#pragma once

#include "lum/data/folders.hpp"
#include "lum/input/input.hpp"
#include "lum/input/keyboard_state.hpp"
#include "lum/platform/backend.hpp"
#include "lum/platform/scripted/scripted_backend.hpp"
#include "lum/platform/virtual_key.hpp"
#include "support/samples.hpp"
#include "support/temp_folder.hpp"

#include <filesystem>
#include <memory>
#include <string>

namespace lum::test {

// The scripted platform with an open, focused 512 x 448 window, in use for
// the lifetime of the object.
class ScriptedPlatform {
  public:
    ScriptedPlatform() {
        platform::use_backend(&backend);
        backend.start_window_system();
        platform::WindowRequest request;
        request.width = 512;
        request.height = 448;
        backend.open_window(request);
    }
    ~ScriptedPlatform() {
        backend.stop_window_system();
        platform::use_backend(nullptr);
    }
    ScriptedPlatform(const ScriptedPlatform&) = delete;
    ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

    platform::ScriptedBackend backend;
};

// A fresh temporary folder that relative paths ("Save/joypad.yaml") resolve
// against while the object lives.
class TempWorkingFolder : public TempFolder {
  public:
    TempWorkingFolder() : saved_(working_folder()) {
        set_special_folders(String(path().string()), desktop_folder(), fonts_folder());
    }
    ~TempWorkingFolder() { set_special_folders(saved_, desktop_folder(), fonts_folder()); }

    // Writes bytes to "Save/NAME", creating the folder.
    void write_save_file(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(path() / "Save");
        write("Save/" + name, bytes);
    }
    // The bytes of "Save/NAME", or "<missing>".
    std::string save_file(const std::string& name) const { return read_bytes(file("Save/" + name)); }

  private:
    String saved_;
};

// Input records of one test, apart from the process-wide ones.
struct InputRecords {
    std::unique_ptr<KeyboardState> keys = std::make_unique<KeyboardState>();
    std::unique_ptr<Input> hub = std::make_unique<Input>();

    // One frame as the input step runs it, without the focus rules: the
    // scripted events arrive, then the keyboard and the hub are read.
    void frame(platform::ScriptedBackend& backend, bool enabled = true) {
        backend.poll_events();
        poll_keyboard(*keys, enabled);
        update_input(*hub, *keys, enabled);
    }
};

} // namespace lum::test
