// Reading and writing a 1 MiB YAML document of nested hashes and lists, against
// a bare libyaml event loop (parse and delete every event) over the same text.

#include "lum/data/path.hpp"
#include "lum/data/var.hpp"
#include "lum/text/string.hpp"

#include <benchmark/benchmark.h>
#include <yaml.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// A document like a game's data: records with names, numbers, flags, lists of
// numbers and of small hashes, some text that needs quotes.
const lum::Var& document() {
    static const lum::Var doc = [] {
        lum::Var v;
        std::mt19937 random(2024);
        const char* words[] = {"alpha",      "Bravo", "charlie delta", "echo/foxtrot",
                               "golf_hotel", "India", "日本語"};
        for (int record = 0; v.block_form(0).size() < (1u << 20); ++record) {
            // Grow in blocks of records; the size check above is cheap enough for setup.
            for (int k = 0; k < 200; ++k, ++record) {
                lum::Var& r = v["record" + std::to_string(record)];
                r["name"].set_string(words[random() % 7]);
                r["level"].set_string(std::to_string(random() % 100).c_str());
                r["enabled"].set_string(random() % 2 ? "true" : "false");
                lum::Var& scores = r["scores"];
                for (int i = 0; i < 6; ++i)
                    scores[i].set_string(std::to_string(random() % 100000).c_str());
                lum::Var& items = r["items"];
                for (int i = 0; i < 3; ++i) {
                    items[i]["id"].set_string(std::to_string(random() % 1000).c_str());
                    items[i]["label"].set_string(words[random() % 7]);
                    items[i]["tags"][0].set_string("t" + std::to_string(i));
                }
                r["position"]["x"].set_string(std::to_string(random() % 640).c_str());
                r["position"]["y"].set_string(std::to_string(random() % 480).c_str());
            }
        }
        return v;
    }();
    return doc;
}

const std::string& document_text() {
    static const std::string text = document().block_form(0);
    return text;
}

const lum::String& document_string() {
    static const lum::String text{document_text()};
    return text;
}

std::string bench_file(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

// Parses text to the end of the stream, deleting every event.
void libyaml_events(const std::string& text) {
    yaml_parser_t parser;
    yaml_parser_initialize(&parser);
    yaml_parser_set_encoding(&parser, YAML_UTF8_ENCODING);
    yaml_parser_set_input_string(&parser, reinterpret_cast<const unsigned char*>(text.data()), text.size());
    yaml_event_t event;
    bool done = false;
    while (!done && yaml_parser_parse(&parser, &event)) {
        done = event.type == YAML_STREAM_END_EVENT;
        yaml_event_delete(&event);
    }
    yaml_parser_delete(&parser);
}

void BM_LibyamlEvents(benchmark::State& state) {
    const std::string& text = document_text();
    for (auto _ : state)
        libyaml_events(text);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_LibyamlEvents)->Unit(benchmark::kMillisecond);

// The whole read of the text into a Var, freeing it included.
void BM_VarParse(benchmark::State& state) {
    const lum::String& text = document_string();
    for (auto _ : state) {
        lum::Var v;
        v.parse(text, lum::DataFormat::YAML);
        benchmark::DoNotOptimize(v.hash().size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document_text().size()));
}
BENCHMARK(BM_VarParse)->Unit(benchmark::kMillisecond);

// The same parse with the Var freed outside the timed part.
void BM_VarParseWithoutFree(benchmark::State& state) {
    const lum::String& text = document_string();
    for (auto _ : state) {
        auto v = std::make_unique<lum::Var>();
        v->parse(text, lum::DataFormat::YAML);
        benchmark::DoNotOptimize(v->hash().size());
        state.PauseTiming();
        v.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document_text().size()));
}
BENCHMARK(BM_VarParseWithoutFree)->Unit(benchmark::kMillisecond);

// Loads text from a file of the given name once per iteration, freeing included.
void load_each_iteration(benchmark::State& state, const char* name, const std::string& text) {
    std::string path = bench_file(name);
    std::ofstream(path, std::ios::binary) << text;
    lum::Path file{lum::String(path)};
    for (auto _ : state) {
        lum::Var v;
        v.load(file);
        benchmark::DoNotOptimize(v.hash().size());
    }
    std::remove(path.c_str());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_VarLoad(benchmark::State& state) {
    load_each_iteration(state, "lum_var_bench_load.yaml", document_text());
}
BENCHMARK(BM_VarLoad)->Unit(benchmark::kMillisecond);

// Freeing a loaded tree alone.
void BM_VarDestroy(benchmark::State& state) {
    const lum::String& text = document_string();
    for (auto _ : state) {
        state.PauseTiming();
        auto v = std::make_unique<lum::Var>();
        v->parse(text, lum::DataFormat::YAML);
        state.ResumeTiming();
        v.reset();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document_text().size()));
}
BENCHMARK(BM_VarDestroy)->Unit(benchmark::kMillisecond);

// A joypad bindings file as Bindwell writes it, about 300 bytes: one pad,
// twelve logical buttons, two physical inputs each.
const std::string& small_text() {
    static const std::string text = [] {
        lum::Var v;
        const char* buttons[] = {"LEFT", "RIGHT", "UP",   "DOWN", "A",      "B",
                                 "X",    "Y",     "PREV", "NEXT", "SELECT", "START"};
        for (int k = 0; k < 12; ++k) {
            v["Joypad0"][buttons[k]][0].set_string(std::to_string(k).c_str());
            v["Joypad0"][buttons[k]][1].set_string(std::to_string(k + 20).c_str());
        }
        return v.block_form(0);
    }();
    return text;
}

void BM_SmallLibyamlEvents(benchmark::State& state) {
    for (auto _ : state)
        libyaml_events(small_text());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * small_text().size()));
}
BENCHMARK(BM_SmallLibyamlEvents)->Unit(benchmark::kMicrosecond);

void BM_SmallVarLoad(benchmark::State& state) {
    load_each_iteration(state, "lum_var_bench_small.yaml", small_text());
}
BENCHMARK(BM_SmallVarLoad)->Unit(benchmark::kMicrosecond);

// The same bytes from memory, without the file.
void BM_SmallVarParse(benchmark::State& state) {
    const lum::String text{small_text()};
    for (auto _ : state) {
        lum::Var v;
        v.parse(text, lum::DataFormat::YAML);
        benchmark::DoNotOptimize(v.hash().size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * small_text().size()));
}
BENCHMARK(BM_SmallVarParse)->Unit(benchmark::kMicrosecond);

void BM_VarBlockForm(benchmark::State& state) {
    const lum::Var& v = document();
    for (auto _ : state) {
        std::string text = v.block_form(0);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document_text().size()));
}
BENCHMARK(BM_VarBlockForm)->Unit(benchmark::kMillisecond);

// The whole save: the block form, a temporary file, flush, sync and rename.
void BM_VarSave(benchmark::State& state) {
    const lum::Var& v = document();
    std::string path = bench_file("lum_var_bench_save.yaml");
    lum::Path file{lum::String(path)};
    for (auto _ : state)
        v.save(file);
    std::remove(path.c_str());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document_text().size()));
}
BENCHMARK(BM_VarSave)->Unit(benchmark::kMillisecond);

// Members written in no particular order, as a program may build a table:
// the hash against a std::map of the same keys and values.
const std::vector<lum::String>& shuffled_keys() {
    static const std::vector<lum::String> keys = [] {
        std::vector<lum::String> k;
        for (int i = 0; i < 100000; ++i)
            k.emplace_back(("key" + std::to_string(i)).c_str());
        std::shuffle(k.begin(), k.end(), std::mt19937(7));
        return k;
    }();
    return keys;
}

void BM_VarHashShuffled(benchmark::State& state) {
    for (auto _ : state) {
        lum::Var v;
        for (const lum::String& key : shuffled_keys())
            v[key].set_string(key);
        benchmark::DoNotOptimize(v.hash().size());
    }
}
BENCHMARK(BM_VarHashShuffled)->Unit(benchmark::kMillisecond);

void BM_StdMapShuffled(benchmark::State& state) {
    for (auto _ : state) {
        std::map<lum::String, lum::Var> m;
        for (const lum::String& key : shuffled_keys())
            m[key].set_string(key);
        benchmark::DoNotOptimize(m.size());
    }
}
BENCHMARK(BM_StdMapShuffled)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
