#include "lum/text/utf8.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>

using lum::SurrogateForm;

namespace {

// The encoder's rules written out one unit at a time.
std::string reference(const std::u16string& units, SurrogateForm form) {
    std::string out;
    auto put = [&out](char32_t c) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    };
    for (size_t i = 0; i < units.size(); ++i) {
        char16_t u = units[i];
        bool surrogate = u >= 0xD800 && u <= 0xDFFF;
        if (form == SurrogateForm::SEPARATE || !surrogate) {
            put(u);
        } else if (u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            put(0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else {
            put(0xFFFD);
        }
    }
    return out;
}

} // namespace

TEST(Utf8, EncodingRunsOfAsciiBrokenAnywhereMatchesTheRules) {
    // Texts mostly of ASCII with other units at every distance from each other
    // (units at 0x80, 0x100 and 0x8000 and up look alike to careless narrowing),
    // whole and in pieces of every room from four bytes up.
    const char16_t others[] = {u'\x7F', u'\x80', u'\xFF', u'\x100', u'\x7FF', u'\x800', u'\x8000', u'\xFFFF',
                               u'\xD83D', u'\xDE00', u'\0'};
    std::mt19937 random(11);
    for (int round = 0; round < 400; ++round) {
        std::u16string units;
        size_t length = random() % 70;
        for (size_t i = 0; i < length; ++i)
            units += random() % 6 ? static_cast<char16_t>(u' ' + random() % 95) : others[random() % 11];
        for (SurrogateForm form : {SurrogateForm::SEPARATE, SurrogateForm::PAIRED}) {
            std::string out = "before";
            lum::encode_utf8(out, units.data(), units.size(), form);
            ASSERT_EQ(out, "before" + reference(units, form)) << "round " << round;
        }
        size_t room = 4 + random() % 40;
        std::string pieces;
        const char16_t* p = units.data();
        const char16_t* end = p + units.size();
        char buffer[64];
        while (size_t n = lum::encode_utf8_paired(buffer, room, p, end)) {
            ASSERT_LE(n, room);
            pieces.append(buffer, n);
        }
        EXPECT_EQ(p, end);
        ASSERT_EQ(pieces, reference(units, SurrogateForm::PAIRED)) << "round " << round << ", room " << room;
    }
}
