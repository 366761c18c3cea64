#pragma once

#include "lum/data/file.hpp"
#include "lum/data/path.hpp"
#include "lum/text/string.hpp"

#include <string_view>

namespace lum {

// What opening an atomic file does when the target's folder does not exist.
enum class MissingFolder {
    // Creates it and its missing parents, as a save into a fresh game folder needs.
    CREATE,
    // Fails: the caller named a folder that is expected to be there already.
    REFUSE,
};

// Replaces a whole file at once: the text goes to a temporary file beside the
// target, which is flushed, synced to disk and renamed over the target only
// when everything was written. Until then, and after any failure, the old
// target stays exactly as it was and no temporary file is left behind.
//
//   AtomicFile out(Path("Save/joypad.yaml"));
//   out.file().write_line(...);
//   out.commit();
class AtomicFile {
  public:
    // Creates the target's missing parent folders (or, with REFUSE, requires
    // them) and opens the temporary file for writing. Throws FileOpenException
    // when either fails.
    explicit AtomicFile(const Path& target, MissingFolder missing = MissingFolder::CREATE);
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    // Removes the temporary file unless commit succeeded.
    ~AtomicFile();

    // The temporary file, open in write mode.
    File& file() { return file_; }

    // Flushes and syncs the temporary file and renames it over the target.
    // Throws FileOpenException, naming the target and the system's reason,
    // when any write so far or any of these steps failed; the temporary file
    // is then removed and the target untouched. Call at most once.
    void commit();

    // Replaces target with bytes in one step (the constructor, one write,
    // commit). Throws FileOpenException as they do.
    static void write_all(const Path& target, std::string_view bytes);

    // The full path of the target.
    const String& target_path() const { return target_path_; }
    // The full path of the temporary file.
    const String& temporary_path() const { return temporary_path_; }

  private:
    [[noreturn]] void fail(const String& reason);

    File file_;
    String target_path_;
    String temporary_path_;
    bool committed_ = false;
};

} // namespace lum
