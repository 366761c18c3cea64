#include "lum/app/frame/screenshot.hpp"

#include "lum/app/frame/frame_state.hpp"
#include "lum/app/frame/notice.hpp"
#include "lum/app/process/system_profile.hpp"
#include "lum/data/atomic_file.hpp"
#include "lum/error/exception.hpp"
#include "lum/graphics/free_image_io.hpp"
#include "lum/graphics/picture_library.hpp"
#include "lum/graphics/pixel_rows.hpp"
#include "lum/graphics/renderer.hpp"
#include "lum/platform/file_system.hpp"
#include "lum/text/debug_out.hpp"
#include "lum/text/format.hpp"

#include <ctime>
#include <memory>
#include <optional>
#include <vector>

namespace lum {

LocalTime local_time_now() {
    std::time_t now = std::time(nullptr);
    // Main thread only, so the shared result of localtime cannot be overwritten meanwhile.
    const std::tm* t = std::localtime(&now);
    if (!t)
        return {};
    return {t->tm_year + 1900, t->tm_mon + 1, t->tm_mday, t->tm_hour, t->tm_min, t->tm_sec};
}

String screenshot_file_name(const LocalTime& t) {
    return Format("halvane-screenshot-{0:D4}{1:D2}{2:D2}-{3:D2}{4:D2}{5:D2}.png", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
}

namespace {

using Bitmap = std::unique_ptr<FIBITMAP, void (*)(FIBITMAP*)>;

void unload(FIBITMAP* bitmap) {
    FreeImage_Unload(bitmap);
}

// The screen target's RGBA pixels, rows from the bottom; none when the
// renderer holds no pixels to read (the null renderer).
std::optional<std::vector<uint8_t>> read_screen(int32_t width, int32_t height) {
    const size_t row_bytes = static_cast<size_t>(width) * 4;
    std::vector<uint8_t> pixels(row_bytes * static_cast<size_t>(height));
    bool read = true;
    push_target(frame_state().screen_target);
    for (int32_t y = 0; y < height && read; ++y)
        read = read_pixel_row(0, y, width, &pixels[row_bytes * static_cast<size_t>(y)]);
    pop_target();
    if (!read)
        return std::nullopt;
    return pixels;
}

// The pixels as a 24-bit picture; both count rows from the bottom.
Bitmap to_picture(const std::vector<uint8_t>& pixels, int32_t width, int32_t height) {
    Bitmap picture(FreeImage_Allocate(width, height, 24), unload);
    if (!picture)
        return picture;
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* row = &pixels[static_cast<size_t>(width) * 4 * static_cast<size_t>(y)];
        for (int32_t x = 0; x < width; ++x) {
            const uint8_t* p = &row[static_cast<size_t>(x) * 4];
            RGBQUAD c{};
            c.rgbRed = p[0];
            c.rgbGreen = p[1];
            c.rgbBlue = p[2];
            FreeImage_SetPixelColor(picture.get(), x, y, &c);
        }
    }
    return picture;
}

// Writes the picture as a PNG through an atomic file, so that a failed save
// leaves no half-written file. Throws FileOpenException with the reason.
void write_png(FIBITMAP* picture, const String& path) {
    AtomicFile out{Path(path)};
    FreeImageIO io = file_image_io();
    if (!FreeImage_SaveToHandle(FIF_PNG, picture, &io, file_image_handle(out.file()), 0))
        throw FileOpenException(Format("cannot write '{0}': the PNG encoder failed", path));
    out.commit();
}

} // namespace

bool save_screenshot(const String& file_name) {
    const String& folder = SystemProfile::instance().desktop_directory;
    String path = folder + file_name;
    auto fail = [&](const String& reason) {
        debug_out << Format("save_screenshot: {0}", reason) << "\n";
        return false;
    };
    const RendererState& r = renderer();
    const std::optional<std::vector<uint8_t>> pixels = read_screen(r.screen_width, r.screen_height);
    if (!pixels)
        return fail(Format("cannot write '{0}': no picture to read", path));
    if (folder.empty() || !platform::is_directory(folder))
        return fail(Format("cannot write '{0}': no folder '{1}'", path, folder));
    start_picture_library();
    Bitmap picture = to_picture(*pixels, r.screen_width, r.screen_height);
    if (!picture)
        return fail(Format("cannot write '{0}': no memory for the picture", path));
    try {
        write_png(picture.get(), path);
    } catch (const Exception& e) {
        return fail(describe(e));
    }
    return true;
}

void take_screenshot() {
    bool saved = save_screenshot(screenshot_file_name(local_time_now()));
    show_notice(String(saved ? "Screenshot saved" : "Screenshot failed"));
}

} // namespace lum
