#include "lum/data/utf8_codec.hpp"

namespace lum {

namespace {

void put_code_point(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        char b[2] = {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
        out.append(b, 2);
    } else if (c < 0x10000) {
        char b[3] = {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                     static_cast<char>(0x80 | (c & 0x3F))};
        out.append(b, 3);
    } else {
        char b[4] = {static_cast<char>(0xF0 | (c >> 18)), static_cast<char>(0x80 | ((c >> 12) & 0x3F)),
                     static_cast<char>(0x80 | ((c >> 6) & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
        out.append(b, 4);
    }
}

bool continuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

} // namespace

void append_utf8(std::string& out, const char16_t* units, size_t count) {
    size_t i = 0;
    while (i < count) {
        // ASCII runs are copied without decoding.
        size_t start = i;
        while (i < count && units[i] < 0x80)
            ++i;
        if (i > start) {
            size_t old = out.size();
            out.resize(old + (i - start));
            char* o = out.data() + old;
            for (size_t k = start; k < i; ++k)
                *o++ = static_cast<char>(units[k]);
            continue;
        }
        size_t width = 1;
        char32_t c = code_point_at(units, count, i, width);
        if (c >= 0xD800 && c <= 0xDFFF)
            c = 0xFFFD;
        put_code_point(out, c);
        i += width;
    }
}

void append_utf16(std::u16string& out, const char* bytes, size_t size) {
    auto* p = reinterpret_cast<const unsigned char*>(bytes);
    auto* end = p + size;
    // Text that is all ASCII, as most of a document is, takes one pass.
    size_t ascii = 0;
    while (ascii < size && p[ascii] < 0x80)
        ++ascii;
    if (ascii > 0) {
        size_t old = out.size();
        out.resize(old + ascii);
        char16_t* o = out.data() + old;
        for (size_t i = 0; i < ascii; ++i)
            o[i] = p[i];
        p += ascii;
    }
    while (p < end) {
        unsigned char b = *p;
        if (b < 0x80) {
            out += static_cast<char16_t>(b);
            ++p;
            continue;
        }
        char32_t c = 0xFFFD;
        size_t width = 1;
        if (b >= 0xC2 && b <= 0xDF && end - p >= 2 && continuation(p[1])) {
            c = ((b & 0x1Fu) << 6) | (p[1] & 0x3Fu);
            width = 2;
        } else if (b >= 0xE0 && b <= 0xEF && end - p >= 3 && continuation(p[1]) && continuation(p[2])) {
            char32_t v = ((b & 0x0Fu) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
            if (v >= 0x800 && (v < 0xD800 || v > 0xDFFF))
                c = v;
            width = 3;
        } else if (b >= 0xF0 && b <= 0xF4 && end - p >= 4 && continuation(p[1]) && continuation(p[2]) &&
                   continuation(p[3])) {
            char32_t v =
                ((b & 0x07u) << 18) | ((p[1] & 0x3Fu) << 12) | ((p[2] & 0x3Fu) << 6) | (p[3] & 0x3Fu);
            if (v >= 0x10000 && v <= 0x10FFFF)
                c = v;
            width = 4;
        }
        p += width;
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
}

} // namespace lum
