#pragma once

#include "lum/data/path.hpp"

#include <cstdint>
#include <functional>

namespace lum {

class RenderTarget;

// Fills row y of a picture, counted from the top: width pixels of three bytes
// each, red, green and blue, or four with alpha last for PngChannels::RGBA.
using PixelRowSource = std::function<void(int32_t y, uint8_t* pixels)>;

// The bytes of each pixel, in the rows and in the file.
enum class PngChannels { RGB = 3, RGBA = 4 };

// Writes a width x height picture, its rows taken from rows, as a 24-bit PNG
// at path. The file is replaced at once: on any failure the old file stays as
// it was and no temporary file is left. Throws FileOpenException, "cannot
// write 'FULL PATH': REASON", when the picture is empty, the folder does not
// exist (it is not created), memory runs out or the file cannot be written.
void write_png(const Path& path, int32_t width, int32_t height, const PixelRowSource& rows,
               PngChannels channels = PngChannels::RGB);

// Writes target's pixels as they are now, upright and without alpha, as the
// overload above writes rows. Needs the target's OpenGL context current.
void write_png(const Path& path, const RenderTarget& target);

} // namespace lum
