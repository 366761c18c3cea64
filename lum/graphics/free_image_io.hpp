#pragma once

#include <FreeImage.h>

namespace lum {

class File;

// The I/O procedures that let FreeImage read and write through a File given
// as the handle: FreeImage then sees only the payload of a scrambled file, so
// scrambled pictures load like plain ones.
FreeImageIO file_image_io();

// The handle FreeImage passes back to the procedures above.
inline fi_handle file_image_handle(File& file) {
    return static_cast<fi_handle>(&file);
}

} // namespace lum
