#include "lum/data/file.hpp"
#include "lum/data/scramble.hpp"

#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using lum::File;
using lum::Path;
using lum::String;
using lum::test::TempFolder;

namespace {

// MT19937 as published by Matsumoto and Nishimura (mt19937ar.c): init_genrand,
// init_by_array and genrand_int32, kept apart from the engine's generator.
class ReferenceMt {
  public:
    explicit ReferenceMt(const std::vector<uint32_t>& key) {
        init_genrand(19650218u);
        size_t i = 1, j = 0;
        size_t k = N > key.size() ? N : key.size();
        for (; k; --k) {
            mt[i] =
                (mt[i] ^ ((mt[i - 1] ^ (mt[i - 1] >> 30)) * 1664525u)) + key[j] + static_cast<uint32_t>(j);
            ++i;
            ++j;
            if (i >= N) {
                mt[0] = mt[N - 1];
                i = 1;
            }
            if (j >= key.size())
                j = 0;
        }
        for (k = N - 1; k; --k) {
            mt[i] = (mt[i] ^ ((mt[i - 1] ^ (mt[i - 1] >> 30)) * 1566083941u)) - static_cast<uint32_t>(i);
            ++i;
            if (i >= N) {
                mt[0] = mt[N - 1];
                i = 1;
            }
        }
        mt[0] = 0x80000000u;
    }

    uint32_t next() {
        if (mti >= N) {
            for (size_t kk = 0; kk < N; ++kk) {
                uint32_t y = (mt[kk] & 0x80000000u) | (mt[(kk + 1) % N] & 0x7FFFFFFFu);
                mt[kk] = mt[(kk + M) % N] ^ (y >> 1) ^ ((y & 1u) ? 0x9908B0DFu : 0u);
            }
            mti = 0;
        }
        uint32_t y = mt[mti++];
        y ^= y >> 11;
        y ^= (y << 7) & 0x9D2C5680u;
        y ^= (y << 15) & 0xEFC60000u;
        y ^= y >> 18;
        return y;
    }

  private:
    static constexpr size_t N = 624, M = 397;

    void init_genrand(uint32_t s) {
        mt[0] = s;
        for (mti = 1; mti < N; ++mti)
            mt[mti] = 1812433253u * (mt[mti - 1] ^ (mt[mti - 1] >> 30)) + static_cast<uint32_t>(mti);
    }

    std::array<uint32_t, N> mt{};
    size_t mti = N + 1;
};

// The keystream for the words that docs/asset-files.md publishes.
std::vector<uint8_t> reference_keystream() {
    ReferenceMt mt({0x3A6D756Cu, 0x61726373u, 0x656C626Du, 0x3179656Bu});
    std::vector<uint8_t> k(1024);
    for (uint8_t& byte : k)
        byte = static_cast<uint8_t>(mt.next());
    return k;
}

// A scrambled asset built independently of the engine.
std::string reference_scrambled(const std::string& plain) {
    std::vector<uint8_t> k = reference_keystream();
    std::string out = "[LUM::Encrypted]";
    for (size_t i = 0; i < plain.size(); ++i)
        out += static_cast<char>(static_cast<uint8_t>(plain[i]) ^ k[i % 1024] ^ (i % 256));
    return out;
}

// 3000 bytes without a zero byte, so that every decoder keeps them all.
std::string sample_payload() {
    std::string s;
    for (size_t i = 0; i < 3000; ++i)
        s += static_cast<char>(1 + (i * 7 + i / 13) % 255);
    return s;
}

std::string hex(std::string_view bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

} // namespace

TEST(Scramble, ReferenceGeneratorMatchesThePublishedOutputs) {
    // mt19937ar.out: the first outputs for the key {0x123, 0x234, 0x345, 0x456}.
    ReferenceMt mt({0x123, 0x234, 0x345, 0x456});
    EXPECT_EQ(mt.next(), 1067595299u);
    EXPECT_EQ(mt.next(), 955945823u);
    EXPECT_EQ(mt.next(), 477289528u);
}

TEST(Scramble, KeystreamIsTheLowByteOfTheSeededGenerator) {
    std::vector<uint8_t> expected = reference_keystream();
    const auto& k = lum::scramble_keystream();
    ASSERT_EQ(k.size(), expected.size());
    EXPECT_TRUE(std::equal(k.begin(), k.end(), expected.begin()));
    // Also from Python's random module, seeded with the key as one number
    // (first word lowest): the first bytes and the last four.
    EXPECT_EQ(hex(std::string(k.begin(), k.begin() + 8)), "fcd242634d824063");
    EXPECT_EQ(hex(std::string(k.end() - 4, k.end())), "6edea0a3");
}

TEST(Scramble, WriterProducesTheDocumentedLayout) {
    std::string plain = sample_payload();
    EXPECT_EQ(lum::scrambled_file(plain), reference_scrambled(plain));
    // Worked out with Python's random module from the same seed.
    EXPECT_EQ(hex(lum::scrambled_file("hello\nworld\n")),
              hex("[LUM::Encrypted]") + "94b62c0c268d310b7c928256");
    EXPECT_EQ(lum::scrambled_file(""), "[LUM::Encrypted]");
}

TEST(Scramble, ScrambledFileReadsBackAsThePlainPayload) {
    TempFolder dir;
    std::string plain = sample_payload();
    std::string full = dir.write("asset.dat", reference_scrambled(plain));
    File f;
    f.open(Path(full.c_str()), lum::FILE_READ);
    EXPECT_TRUE(f.scrambled());
    String text;
    f.read_all(lum::ENCODING_ASCII_THRU, text);
    ASSERT_EQ(text.length(), 3000);
    for (size_t i = 0; i < plain.size(); ++i)
        ASSERT_EQ(text.units()[i], static_cast<char16_t>(static_cast<uint8_t>(plain[i]))) << "byte " << i;
    EXPECT_EQ(f.position(), 3000u);

    // UTF-8 text, a byte order mark included, restored before decoding.
    full = dir.write("text.yaml", reference_scrambled("\xEF\xBB\xBF"
                                                      "a: 1\n\xE6\x97\xA5: x\n"));
    f.open(Path(full.c_str()), lum::FILE_READ);
    f.read_all(0, text);
    EXPECT_EQ(text.units(), u"a: 1\n\u65E5: x\n");
}

TEST(Scramble, TheSameBytesWithoutTheMarkerReadAsTheyAre) {
    TempFolder dir;
    std::string stored = reference_scrambled(sample_payload()).substr(16);
    std::string full = dir.write("raw.dat", stored);
    File f;
    f.open(Path(full.c_str()), lum::FILE_READ);
    EXPECT_FALSE(f.scrambled());
    std::string back(stored.size(), '\0');
    EXPECT_EQ(f.read(back.data(), 1, back.size()), stored.size());
    EXPECT_EQ(back, stored);

    // Only the marker: a scrambled file with an empty payload.
    full = dir.write("empty.dat", "[LUM::Encrypted]");
    f.open(Path(full.c_str()), lum::FILE_READ);
    EXPECT_TRUE(f.scrambled());
    String text("x");
    f.read_all(0, text);
    EXPECT_TRUE(text.empty());
}

TEST(Scramble, StreamOperationsSeeOnlyThePayload) {
    TempFolder dir;
    std::string plain = sample_payload();
    std::string full = dir.write("picture.dat", reference_scrambled(plain));
    File f;
    f.open(Path(full.c_str()), lum::FILE_READ);
    EXPECT_EQ(f.tell(), 0);

    char buffer[64];
    // Across the keystream's wrap at 1024 and the counter's wraps at 256.
    ASSERT_EQ(f.seek(1020, SEEK_SET), 0);
    EXPECT_EQ(f.tell(), 1020);
    ASSERT_EQ(f.read(buffer, 4, 2), 2u);
    EXPECT_EQ(std::string(buffer, 8), plain.substr(1020, 8));
    EXPECT_EQ(f.tell(), 1028);

    ASSERT_EQ(f.seek(-10, SEEK_END), 0);
    EXPECT_EQ(f.tell(), 2990);
    EXPECT_EQ(f.read(buffer, 1, sizeof buffer), 10u);
    EXPECT_EQ(std::string(buffer, 10), plain.substr(2990));

    ASSERT_EQ(f.seek(-2990, SEEK_CUR), 0);
    EXPECT_EQ(f.read(buffer, 1, 3), 3u);
    EXPECT_EQ(std::string(buffer, 3), plain.substr(10, 3));

    // The marker is not part of the payload: positions before it are refused
    // and the stream stays where it was.
    EXPECT_NE(f.seek(-1, SEEK_SET), 0);
    EXPECT_NE(f.seek(-20, SEEK_CUR), 0);
    EXPECT_NE(f.seek(-3001, SEEK_END), 0);
    EXPECT_EQ(f.tell(), 13);
    ASSERT_EQ(f.seek(0, SEEK_SET), 0);
    EXPECT_EQ(f.read(buffer, 1, 5), 5u);
    EXPECT_EQ(std::string(buffer, 5), plain.substr(0, 5));
}
