#pragma once

#include "lum/data/path.hpp"
#include "lum/text/string.hpp"
#include "lum/text/text_encoding.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace lum {

// How File::open opens a path.
enum FileMode : int32_t {
    FILE_READ = 0,       // "rb": reading; a scrambled asset is restored as it is read
    FILE_WRITE = 1,      // "wb": writing, replacing the content (the file is created)
    FILE_READ_WRITE = 2, // "rb+": reading and writing an existing file
};

// A binary file stream. Reads whole text files through a text encoding, writes
// UTF-8 lines, and reads scrambled asset files (marked "[LUM::Encrypted]")
// transparently: callers see only the restored payload.
class File {
  public:
    // Closed, all fields empty.
    File() = default;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    // Closes the stream if open.
    virtual ~File();

    // Opens path in mode 0, 1 or 2 and checks for the scrambled marker (never
    // in write mode). Throws FileOpenException when the system refuses the path
    // or the mode; the File is then closed. An open File is closed first.
    void open(const Path& path, int32_t mode);
    // Closes the stream; true unless flushing buffered writes failed.
    bool close();
    bool is_open() const { return stream_ != nullptr; }

    // Clears out and decodes the rest of the file into it (codes 0 to 15, see
    // text_encoding.hpp). An unknown code prints "lum::File::read_all:
    // unimplemented - N" on standard error and leaves out empty. Throws
    // IOException when the system fails to read the file.
    void read_all(TextEncoding code, String& out);
    // Replaces bytes with the rest of the file's payload, undecoded. Throws
    // IOException when the system fails to read the file.
    void read_all_bytes(std::string& bytes);

    // Writes the text as UTF-8 and one line feed (0A).
    void write_line(const String& text);
    // Writes the UTF-8 text n times, with no line feed; nothing for n <= 0.
    void write_repeat(const String& text, int32_t n);
    // Writes the UTF-8 bytes of text as they are.
    void write_text(const String& text);
    // Pushes buffered writes to the system; false on failure.
    bool flush();
    // Flushes and waits until the system has the file's bytes on disk; false
    // on failure (the reason is in error_text).
    bool sync();

    // Stream operations for picture loaders. They see only the payload of a
    // scrambled file: read restores the bytes, seek from the start and tell
    // count from the payload's first byte. Writes are never scrambled.
    // Items of size bytes read, like fread.
    size_t read(void* buffer, size_t size, size_t count);
    // Items of size bytes written, like fwrite.
    size_t write(const void* buffer, size_t size, size_t count);
    // origin is SEEK_SET, SEEK_CUR or SEEK_END; 0 on success. A scrambled file
    // refuses a position inside its marker.
    int seek(long offset, int origin);
    // The current offset, or -1 when closed or unknown.
    long tell();

    // The opened path's file name (name, dot, extension).
    const String& name() const { return name_; }
    // The full path given to the system.
    const String& full_path() const { return full_path_; }
    // Payload bytes read so far (the marker not counted).
    uint32_t position() const { return position_; }
    // The file began with the scrambled marker.
    bool scrambled() const { return scrambled_; }
    // A read or write failed since the file was opened.
    bool failed() const;
    // The system's text for the first failure since opening, or for a refused
    // open ("No space left on device"); empty otherwise.
    const String& error_text() const { return error_text_; }

  private:
    friend class AtomicFile;
    enum class Direction { NONE, READING, WRITING };

    // Opens a full path that needs no parsing.
    void open_full_path(const String& name, const String& full_path, int32_t mode);
    void check_marker();
    // Closes the stream, records the reason and throws FileOpenException.
    [[noreturn]] void refuse(const String& reason);
    void write_bytes(const char* bytes, size_t size);
    void note_failure(int error_number);
    size_t read_payload(uint8_t* buffer, size_t size);
    // Bytes from the stream's position to its end, or 0 when it cannot be told.
    size_t bytes_left();
    void switch_direction(Direction next);
    int seek_payload(long offset, int origin);

    std::FILE* stream_ = nullptr;
    String name_;
    String full_path_;
    uint32_t position_ = 0;
    bool scrambled_ = false;
    bool failed_ = false;
    String error_text_;
    Direction direction_ = Direction::NONE;
};

} // namespace lum
