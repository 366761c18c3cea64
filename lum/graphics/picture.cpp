#include "lum/graphics/picture.hpp"

#include "lum/core/runtime_warning.hpp"
#include "lum/data/file.hpp"
#include "lum/error/exception.hpp"
#include "lum/graphics/blend.hpp"
#include "lum/graphics/draw.hpp"
#include "lum/graphics/free_image_io.hpp"
#include "lum/graphics/picture_library.hpp"
#include "lum/graphics/render_backend.hpp"

#include <algorithm>
#include <iterator>
#include <memory>
#include <utility>

namespace lum {

namespace {

// FreeImage's own numbering, 0 to 34.
const char* const FORMAT_NAMES[] = {
    "BMP",    "ICO", "JPEG", "JNG",    "KOALA", "LBM",   "MNG",  "PBM",  "PBMRAW", "PCD",  "PCX", "PGM",
    "PGMRAW", "PNG", "PPM",  "PPMRAW", "RAS",   "TARGA", "TIFF", "WBMP", "PSD",    "CUT",  "XBM", "XPM",
    "DDS",    "GIF", "HDR",  "FAXG3",  "SGI",   "EXR",   "J2K",  "JP2",  "PFM",    "PICT", "RAW",
};
constexpr int32_t FORMAT_COUNT = static_cast<int32_t>(std::size(FORMAT_NAMES));

const RGBA WHITE(255, 255, 255, 255);

struct BitmapDeleter {
    void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};
using Bitmap = std::unique_ptr<FIBITMAP, BitmapDeleter>;

// What a file decodes to, before it replaces a picture's content.
struct Decoded {
    int32_t format = -1;
    int32_t width = 0;
    int32_t height = 0;
    int32_t bits_per_pixel = 0;
    int32_t side = 0;
    bool scrambled = false;
    std::vector<uint8_t> pixels;
};

bool supported_depth(int32_t bits) {
    return bits == 8 || bits == 15 || bits == 16 || bits == 24 || bits == 32;
}

void put(uint8_t* out, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    out[0] = r;
    out[1] = g;
    out[2] = b;
    out[3] = a;
}

// Palette index 0 counts as transparent unless the file names a background
// colour; then only its transparent index (if any) is.
void convert_indexed(FIBITMAP* bitmap, const Decoded& d, std::vector<uint8_t>& pixels) {
    const RGBQUAD* palette = FreeImage_GetPalette(bitmap);
    int transparent = FreeImage_HasBackgroundColor(bitmap) ? FreeImage_GetTransparentIndex(bitmap) : 0;
    for (int32_t y = 0; y < d.height; ++y) {
        uint8_t* row = pixels.data() + static_cast<size_t>(d.height - 1 - y) * d.side * 4;
        for (int32_t x = 0; x < d.width; ++x) {
            BYTE index = 0;
            FreeImage_GetPixelIndex(bitmap, x, y, &index);
            uint8_t alpha = index == transparent ? 0 : 255;
            if (palette)
                put(row + x * 4, palette[index].rgbRed, palette[index].rgbGreen, palette[index].rgbBlue,
                    alpha);
            else
                put(row + x * 4, index, index, index, alpha);
        }
    }
}

void convert_direct(FIBITMAP* bitmap, const Decoded& d, std::vector<uint8_t>& pixels) {
    bool alpha = d.bits_per_pixel == 32;
    for (int32_t y = 0; y < d.height; ++y) {
        uint8_t* row = pixels.data() + static_cast<size_t>(d.height - 1 - y) * d.side * 4;
        for (int32_t x = 0; x < d.width; ++x) {
            RGBQUAD c = {0, 0, 0, 0};
            FreeImage_GetPixelColor(bitmap, x, y, &c);
            put(row + x * 4, c.rgbRed, c.rgbGreen, c.rgbBlue, alpha ? c.rgbReserved : 255);
        }
    }
}

// Reads and decodes a picture file through File's stream operations, so a
// scrambled file decodes from its payload.
Decoded decode_file(const Path& path) {
    start_picture_library();
    File file;
    file.open(path, FILE_READ);
    Decoded d;
    d.scrambled = file.scrambled();

    FreeImageIO io = file_image_io();
    fi_handle handle = file_image_handle(file);
    int32_t code = FreeImage_GetFileTypeFromHandle(&io, handle, 0);
    if (code < 0 || code >= FORMAT_COUNT)
        throw PictureFormatException();
    d.format = code;

    // A file whose signature matches but whose body cannot be decoded.
    Bitmap bitmap(FreeImage_LoadFromHandle(static_cast<FREE_IMAGE_FORMAT>(code), &io, handle, 0));
    if (!bitmap)
        throw PictureFormatException();

    d.width =
        static_cast<int32_t>(std::min<unsigned>(FreeImage_GetWidth(bitmap.get()), PICTURE_MAX_SIDE + 1));
    d.height =
        static_cast<int32_t>(std::min<unsigned>(FreeImage_GetHeight(bitmap.get()), PICTURE_MAX_SIDE + 1));
    d.bits_per_pixel = static_cast<int32_t>(FreeImage_GetBPP(bitmap.get()));
    if (d.width == 0 || d.height == 0 || d.width > PICTURE_MAX_SIDE || d.height > PICTURE_MAX_SIDE)
        throw PictureSizeException();
    // 16-bit greyscale and the floating-point types report depths that look
    // like ours but hold no colour FreeImage can hand out per pixel.
    if (!supported_depth(d.bits_per_pixel) || FreeImage_GetImageType(bitmap.get()) != FIT_BITMAP)
        throw PictureFormatException();

    d.side = picture_texture_side(d.width, d.height);
    d.pixels.assign(static_cast<size_t>(d.side) * d.side * 4, 0);
    if (d.bits_per_pixel == 8)
        convert_indexed(bitmap.get(), d, d.pixels);
    else
        convert_direct(bitmap.get(), d, d.pixels);
    return d;
}

} // namespace

String picture_format_name(int32_t code) {
    if (code < 0 || code >= FORMAT_COUNT)
        return String("Unknown");
    return String(FORMAT_NAMES[code]);
}

int32_t picture_texture_side(int32_t width, int32_t height) {
    int32_t side = 1;
    while (side < width || side < height)
        side *= 2;
    return side;
}

Picture::Picture(Picture&& other) noexcept {
    *this = std::move(other);
}

Picture& Picture::operator=(Picture&& other) noexcept {
    if (this == &other)
        return *this;
    delete_texture();
    path_ = std::move(other.path_);
    smooth_ = other.smooth_;
    format_ = other.format_;
    format_name_ = std::move(other.format_name_);
    draw_width_ = other.draw_width_;
    draw_height_ = other.draw_height_;
    angle_ = other.angle_;
    opacity_ = other.opacity_;
    corners_ = other.corners_;
    has_alpha_ = other.has_alpha_;
    scrambled_ = other.scrambled_;
    texture_ = std::exchange(other.texture_, 0);
    width_ = other.width_;
    height_ = other.height_;
    bits_per_pixel_ = other.bits_per_pixel_;
    texture_side_ = other.texture_side_;
    pixels_ = std::move(other.pixels_);
    return *this;
}

Picture::~Picture() {
    delete_texture();
}

void Picture::decode(const Path& path) {
    Decoded d = decode_file(path);
    delete_texture();
    path_ = path;
    format_ = d.format;
    format_name_ = picture_format_name(d.format);
    width_ = d.width;
    height_ = d.height;
    bits_per_pixel_ = d.bits_per_pixel;
    has_alpha_ = d.bits_per_pixel == 32;
    scrambled_ = d.scrambled;
    texture_side_ = d.side;
    pixels_ = std::move(d.pixels);
    reset_draw_state();
}

void Picture::load(const Path& path) {
    decode(path);
    upload();
}

void Picture::upload() {
    texture_ = render_backend().create_texture(texture_side_, pixels_.data(), smooth_);
}

void Picture::delete_texture() {
    if (texture_ == 0)
        return;
    render_backend().delete_texture(texture_);
    texture_ = 0;
}

void Picture::set_smooth(bool smooth) {
    smooth_ = smooth;
    if (texture_ != 0)
        render_backend().set_texture_filter(texture_, smooth_);
}

void Picture::draw(float x, float y) {
    draw(x, y, draw_width_, draw_height_, angle_);
}

void Picture::draw(float x, float y, float w, float h, float angle) {
    if (texture_ == 0 || texture_side_ == 0) {
        reset_draw_state();
        return;
    }
    std::array<RGBA, 4> colours = corners_;
    for (RGBA& c : colours)
        c.a = static_cast<uint8_t>(std::clamp(((opacity_ + 1) * c.a) >> 8, 0, 255));

    // Only the image part of the texture is shown.
    float s1 = static_cast<float>(width_) / static_cast<float>(texture_side_);
    float t1 = static_cast<float>(height_) / static_cast<float>(texture_side_);

    render_backend().enable_blending(BLEND_SOURCE_ALPHA, BLEND_ONE_MINUS_SOURCE_ALPHA);
    draw_textured_quad(texture_,
                       {{{0, 0, colours[0]}, {s1, 0, colours[1]}, {s1, t1, colours[2]}, {0, t1, colours[3]}}},
                       x + w * 0.5f, y + h * 0.5f, w, h, angle);
    reset_draw_state();
}

void Picture::set_opacity(int32_t opacity) {
    opacity_ = std::clamp(opacity, 0, 255);
}

void Picture::set_corner_colour(int32_t corner, const RGBA& colour) {
    if (corner < TOP_LEFT || corner > BOTTOM_LEFT) {
        runtime_warning("lum::Picture::set_corner_colour", "Index out of range", "corner", corner);
        return;
    }
    corners_[static_cast<size_t>(corner)] = colour;
}

void Picture::set_corner_colours(const RGBA& colour) {
    corners_.fill(colour);
}

void Picture::set_draw_size(float width, float height) {
    draw_width_ = width;
    draw_height_ = height;
}

void Picture::set_angle(float degrees) {
    angle_ = degrees;
}

void Picture::reset_draw_state() {
    draw_width_ = static_cast<float>(width_);
    draw_height_ = static_cast<float>(height_);
    angle_ = 0;
    opacity_ = 255;
    corners_.fill(WHITE);
}

RGBA Picture::pixel(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= texture_side_ || y >= texture_side_)
        return RGBA(0, 0, 0, 0);
    const uint8_t* p = pixels_.data() + (static_cast<size_t>(y) * texture_side_ + x) * 4;
    return RGBA(p[0], p[1], p[2], p[3]);
}

} // namespace lum
