#pragma once

#include "lum/audio/audio_buffer.hpp"
#include "lum/audio/audio_device.hpp"
#include "lum/audio/audio_listener.hpp"
#include "lum/audio/sound_wake.hpp"

#include <AL/al.h>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace lum::test {

// The real device on OpenAL Soft's silent output, opened fresh for each test,
// with a frame counter the test moves by hand.
class AudioTest : public testing::Test {
  protected:
    void SetUp() override {
        setenv("ALSOFT_DRIVERS", "null", 0);
        open_audio();
        set_audio_frame_counter(&frame);
        silence_20ms = silence(20);
    }
    void TearDown() override {
        set_audio_listener(AudioGroup::A, nullptr);
        set_audio_listener(AudioGroup::B, nullptr);
        set_audio_frame_counter(nullptr);
        device.set_settings(AudioSettings{});
        close_audio();
    }

    // 8-bit mono silence at 8000 Hz: 8 bytes a millisecond.
    static uint32_t silence(int ms) {
        std::vector<uint8_t> pcm(8 * ms, 128);
        return create_audio_buffer(pcm.data(), pcm.size(), SampleFormat::MONO8, 8000);
    }
    static ALint al_int(const AudioSource& s, ALenum what) {
        ALint value = -1;
        alGetSourcei(s.source, what, &value);
        return value;
    }
    static float al_float(const AudioSource& s, ALenum what) {
        ALfloat value = -1;
        alGetSourcef(s.source, what, &value);
        return value;
    }

    // Real playback: the silent output plays in real time. Gives up after ten seconds.
    static void wait_until_ended(const AudioSource& s) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (play_state(s) == PlayState::PLAYING && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    AudioDevice& device = audio_device();
    SourceGroup& group_a = device.group_a;
    SourceGroup& group_b = device.group_b;
    uint32_t frame = 0;
    uint32_t silence_20ms = 0;
};

// Waits until n sound threads sleep for want of a playing source; false after
// ten seconds.
inline bool wait_for_sleepers(int n) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (sound_wake().sleepers() != n && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return sound_wake().sleepers() == n;
}

// Keeps every call it gets, in order, from whichever thread.
class RecordingListener : public AudioListener {
  public:
    using Calls = std::vector<std::pair<AudioGroup, int32_t>>;

    void group_a_finished(int32_t value) override { add(AudioGroup::A, value); }
    void group_b_finished(int32_t value) override { add(AudioGroup::B, value); }

    Calls calls() {
        std::lock_guard hold(lock_);
        return calls_;
    }
    // Waits until n calls have come; false after ten seconds.
    bool wait_for(size_t n) {
        std::unique_lock hold(lock_);
        return arrived_.wait_for(hold, std::chrono::seconds(10), [&] { return calls_.size() >= n; });
    }

  private:
    void add(AudioGroup group, int32_t value) {
        std::lock_guard hold(lock_);
        calls_.emplace_back(group, value);
        arrived_.notify_all();
    }

    std::mutex lock_;
    std::condition_variable arrived_;
    Calls calls_;
};

} // namespace lum::test
