// String from 1 MiB of mixed UTF-8 text and back, against glibc's iconv doing
// the same conversion (UTF-8 to UTF-16LE and back).

#include "lum/text/string.hpp"

#include <benchmark/benchmark.h>
#include <iconv.h>

#include <string>

namespace {

const std::string& mixed_text() {
    static const std::string text = [] {
        const char* pieces[] = {"The quick brown fox jumps over the lazy dog. ",
                                "Ça déjà vu, naïve façade — ", "ひらがなとカタカナ、漢字まじり。",
                                "PAD#0: 12 buttons, 2 axes\n"};
        std::string s;
        for (size_t i = 0; s.size() < (1u << 20); ++i)
            s += pieces[i % 4];
        // Cut at a character boundary.
        while ((static_cast<unsigned char>(s.back()) & 0xC0) == 0x80)
            s.pop_back();
        while (static_cast<unsigned char>(s.back()) >= 0xC0)
            s.pop_back();
        return s;
    }();
    return text;
}

void BM_StringRoundTrip(benchmark::State& state) {
    const std::string& text = mixed_text();
    for (auto _ : state) {
        lum::String s(text);
        std::string back = s.to_utf8();
        benchmark::DoNotOptimize(back.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_StringRoundTrip)->Unit(benchmark::kMillisecond);

void BM_IconvRoundTrip(benchmark::State& state) {
    const std::string& text = mixed_text();
    iconv_t to16 = iconv_open("UTF-16LE", "UTF-8");
    iconv_t to8 = iconv_open("UTF-8", "UTF-16LE");
    std::string wide(text.size() * 2 + 16, '\0');
    std::string back(text.size() + 16, '\0');
    for (auto _ : state) {
        char* in = const_cast<char*>(text.data());
        size_t in_left = text.size();
        char* out = wide.data();
        size_t out_left = wide.size();
        iconv(to16, &in, &in_left, &out, &out_left);
        size_t wide_size = wide.size() - out_left;
        char* in2 = wide.data();
        size_t in2_left = wide_size;
        char* out2 = back.data();
        size_t out2_left = back.size();
        iconv(to8, &in2, &in2_left, &out2, &out2_left);
        benchmark::DoNotOptimize(back.data());
    }
    iconv_close(to16);
    iconv_close(to8);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_IconvRoundTrip)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
