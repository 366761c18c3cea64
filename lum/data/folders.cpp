#include "lum/data/folders.hpp"

#include "lum/platform/system_info.hpp"

namespace lum {

namespace {

struct Folders {
    String working;
    String desktop;
    String fonts;
    bool working_set = false;
    String program;
    bool program_set = false;
};

Folders& folders() {
    static Folders f;
    return f;
}

String as_folder(const String& path) {
    if (path.empty() || path.At(-1) == Char('/'))
        return path;
    return path + Char('/');
}

} // namespace

const String& working_folder() {
    Folders& f = folders();
    // Tools and tests that never run the probe still resolve relative paths
    // against the directory they were started in.
    if (!f.working_set) {
        f.working = as_folder(platform::current_directory());
        f.working_set = true;
    }
    return f.working;
}

const String& desktop_folder() {
    return folders().desktop;
}

const String& fonts_folder() {
    return folders().fonts;
}

const String& program_file() {
    Folders& f = folders();
    if (!f.program_set) {
        f.program = platform::executable_path();
        f.program_set = true;
    }
    return f.program;
}

void set_program_file(const String& path) {
    Folders& f = folders();
    f.program = path;
    f.program_set = true;
}

void set_special_folders(const String& working, const String& desktop, const String& fonts) {
    Folders& f = folders();
    f.working = as_folder(working);
    f.working_set = true;
    f.desktop = as_folder(desktop);
    f.fonts = as_folder(fonts);
}

} // namespace lum
