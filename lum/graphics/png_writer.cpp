#include "lum/graphics/png_writer.hpp"

#include "lum/data/atomic_file.hpp"
#include "lum/error/exception.hpp"
#include "lum/graphics/free_image_io.hpp"
#include "lum/graphics/picture_library.hpp"
#include "lum/graphics/pixel_rows.hpp"
#include "lum/graphics/render_target.hpp"
#include "lum/graphics/renderer.hpp"
#include "lum/text/format.hpp"

#include <algorithm>
#include <memory>
#include <vector>

namespace lum {

namespace {

struct BitmapDeleter {
    void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};
using Bitmap = std::unique_ptr<FIBITMAP, BitmapDeleter>;

// Copies the rows into the picture; FreeImage keeps the bottom row first and
// orders each pixel's bytes as its FI_RGBA offsets say.
void fill(FIBITMAP* picture, int32_t width, int32_t height, const PixelRowSource& rows, size_t n) {
    std::vector<uint8_t> row(static_cast<size_t>(width) * n);
    for (int32_t y = 0; y < height; ++y) {
        rows(y, row.data());
        BYTE* line = FreeImage_GetScanLine(picture, height - 1 - y);
        for (size_t x = 0; x < static_cast<size_t>(width); ++x) {
            line[x * n + FI_RGBA_RED] = row[x * n];
            line[x * n + FI_RGBA_GREEN] = row[x * n + 1];
            line[x * n + FI_RGBA_BLUE] = row[x * n + 2];
            if (n == 4)
                line[x * n + FI_RGBA_ALPHA] = row[x * n + 3];
        }
    }
}

// Keeps a render target current for as long as it lives, also when a write throws.
class CurrentTarget {
  public:
    explicit CurrentTarget(const RenderTarget& target) { push_target(target); }
    CurrentTarget(const CurrentTarget&) = delete;
    CurrentTarget& operator=(const CurrentTarget&) = delete;
    ~CurrentTarget() { pop_target(); }
};

} // namespace

void write_png(const Path& path, int32_t width, int32_t height, const PixelRowSource& rows,
               PngChannels channels) {
    const size_t n = static_cast<size_t>(channels);
    if (width < 1 || height < 1)
        throw FileOpenException(
            Format("cannot write '{0}': the picture is empty ({1} x {2})", path.to_string(), width, height));
    AtomicFile out(path, MissingFolder::REFUSE);
    // FreeImage crashes when used before its start.
    start_picture_library();
    Bitmap picture(FreeImage_Allocate(width, height, static_cast<int>(n * 8)));
    if (!picture)
        throw FileOpenException(Format("cannot write '{0}': no memory for a {1} x {2} picture",
                                       out.target_path(), width, height));
    fill(picture.get(), width, height, rows, n);
    FreeImageIO io = file_image_io();
    if (!FreeImage_SaveToHandle(FIF_PNG, picture.get(), &io, file_image_handle(out.file()), 0))
        throw FileOpenException(Format("cannot write '{0}': the PNG encoder failed", out.target_path()));
    out.commit();
}

void write_png(const Path& path, const RenderTarget& target) {
    const int32_t width = target.width();
    const int32_t height = target.height();
    std::vector<uint8_t> rgba(static_cast<size_t>(std::max(width, 0)) * 4);
    CurrentTarget current(target);
    // The null renderer holds no pixels: say so before any file is made.
    if (width > 0 && height > 0 && !read_pixel_row(0, 0, width, rgba.data()))
        throw FileOpenException(Format("cannot write '{0}': no picture to read", path.to_string()));
    // OpenGL counts the target's rows from the bottom.
    write_png(path, width, height, [&](int32_t y, uint8_t* rgb) {
        read_pixel_row(0, height - 1 - y, width, rgba.data());
        for (size_t x = 0; x < static_cast<size_t>(width); ++x)
            std::copy_n(&rgba[x * 4], 3, &rgb[x * 3]);
    });
}

} // namespace lum
