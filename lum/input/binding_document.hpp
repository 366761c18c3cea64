#pragma once

#include "lum/data/path.hpp"
#include "lum/data/var.hpp"
#include "lum/text/string.hpp"

namespace lum {

// How reading a binding document ended.
enum class DocumentStatus {
    READ,       // the file was read whole
    MISSING,    // there is no file at the path
    UNREADABLE, // a file is there but could not be opened or read
    UNPARSABLE, // the text did not parse; the document holds what was read before the error
};

struct DocumentRead {
    DocumentStatus status = DocumentStatus::READ;
    // Why the file was not read (the system's or the reader's words); empty when it was.
    String reason;
};

// Reads the file at path into document, which is not cleared first (an empty
// file leaves it as it was). Never throws a lum::Exception.
DocumentRead read_binding_document(const Path& path, Var& document);

// Replaces the file at path with document atomically, creating missing folders.
// On failure the old file stays and the reason, followed by consequence, goes
// to the debug output; returns whether the file was written.
bool save_binding_document(const Var& document, const Path& path, const char* consequence);

} // namespace lum
