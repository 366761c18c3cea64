// The monitor thread checks every source once a millisecond, so the cost of one
// pass is the share of a core it takes; play_on_group runs on every sound a game
// starts, and its slowest case is a full group.

#include "lum/audio/audio_buffer.hpp"
#include "lum/audio/audio_device.hpp"
#include "lum/audio/source_watch.hpp"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace {

uint32_t open_with_silence() {
    setenv("ALSOFT_DRIVERS", "null", 0);
    lum::open_audio();
    std::vector<uint8_t> pcm(160, 128);
    return lum::create_audio_buffer(pcm.data(), pcm.size(), lum::SampleFormat::MONO8, 8000);
}

void play_everywhere(uint32_t buffer) {
    lum::AudioDevice& device = lum::audio_device();
    for (size_t i = 0; i < device.group_a.sources.size(); ++i)
        lum::play_on_group(device.group_a, buffer, i, lum::Playback::LOOPING);
    for (size_t i = 0; i < device.group_b.sources.size(); ++i)
        lum::play_on_group(device.group_b, buffer, 0, lum::Playback::LOOPING);
}

// Argument 0: every source idle; 1: every source playing.
void BM_MonitorPass(benchmark::State& state) {
    uint32_t buffer = open_with_silence();
    if (state.range(0) == 1)
        play_everywhere(buffer);
    lum::SourceWatch watch;
    for (auto _ : state)
        watch.poll(lum::audio_device());
    lum::close_audio();
}
BENCHMARK(BM_MonitorPass)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PlayOnFullGroup(benchmark::State& state) {
    uint32_t buffer = open_with_silence();
    play_everywhere(buffer);
    lum::AudioDevice& device = lum::audio_device();
    for (auto _ : state)
        benchmark::DoNotOptimize(lum::play_on_group(device.group_b, buffer, 0, lum::Playback::LOOPING));
    lum::close_audio();
}
BENCHMARK(BM_PlayOnFullGroup)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
