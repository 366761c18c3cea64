#pragma once

#include "lum/text/string.hpp"

namespace lum {

// A path written in the engine's style ("Save/joypad.yaml"), split into its
// parts. Relative paths are resolved against the working directory captured
// at start (see folders.hpp).
class Path {
  public:
    // The empty relative path.
    Path() = default;
    // Parses text: trimmed, "\" read as "/", "//" collapsed, "x/.." dropped one
    // level. Throws PathParseException for a text starting with "/..".
    Path(const String& text);
    Path(const char* utf8) : Path(String(utf8)) {}
    Path(const Path&) = default;
    Path& operator=(const Path&) = default;
    virtual ~Path() = default;

    // The full path given to the system: directory and file name, behind the
    // working directory when the path is relative.
    virtual String to_string() const;

    // The name, then "." and the extension when there is one.
    String filename() const;

    // The text began with "/" or with a drive ("C:").
    bool absolute() const { return absolute_; }
    // Elements each followed by "/", or empty.
    const String& directory() const { return directory_; }
    // The file name without its extension.
    const String& name() const { return name_; }
    // The text after the file name's last "." (without the dot), or empty.
    const String& extension() const { return extension_; }

  private:
    bool absolute_ = false;
    String directory_;
    String name_;
    String extension_;
};

} // namespace lum
