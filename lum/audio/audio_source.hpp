#pragma once

#include <atomic>
#include <cstdint>

namespace lum {

// Where a source stands in the engine's eyes; OpenAL keeps its own playing state.
enum class SourceState : int32_t {
    // No buffer attached yet: start requests are ignored.
    NO_BUFFER = -1,
    ATTACHED = 0,
    STARTED = 1,
    // Paused because the window lost focus; resumes when focus returns.
    FOCUS_PAUSED = 2,
};

// How a started source plays its buffer.
enum class Playback : uint8_t {
    ONE_SHOT = 0,
    LOOPING = 1,
};

// One OpenAL source and what the engine remembers about it.
struct AudioSource {
    // The OpenAL source name; 0 when there is none.
    uint32_t source = 0;
    // The playback given when the source was last started.
    Playback looping = Playback::ONE_SHOT;
    // Set each time the source starts and cleared by the monitor, so that even
    // a sound that ends between two of its checks is reported.
    uint8_t unseen_start = 0;
    // Size in bytes of the buffer attached last.
    int32_t buffer_size = 0;
    // Handed to the group's listener when the source finishes; 0 after each attach.
    int32_t user_value = 0;
    // The application's frame counter when the source was last started.
    uint32_t start_frame = 0;
    // The source's own volume, 0 to 1, before the device's volumes apply.
    float volume = 1.0f;
    float pitch = 1.0f;
    SourceState state = SourceState::NO_BUFFER;
};
static_assert(sizeof(AudioSource) == 32);

// The monitor thread reads `source`, `user_value` and `unseen_start` while the
// main thread may write them: both sides go through these. (Sources are never
// const objects, so the const_cast only serves the reads.)
inline uint32_t load_source(const AudioSource& s) {
    return std::atomic_ref(const_cast<uint32_t&>(s.source)).load(std::memory_order_relaxed);
}
inline void store_source(AudioSource& s, uint32_t name) {
    std::atomic_ref(s.source).store(name, std::memory_order_relaxed);
}
inline int32_t load_user_value(const AudioSource& s) {
    return std::atomic_ref(const_cast<int32_t&>(s.user_value)).load(std::memory_order_relaxed);
}
inline void store_user_value(AudioSource& s, int32_t value) {
    std::atomic_ref(s.user_value).store(value, std::memory_order_relaxed);
}
// Marks a start after OpenAL has begun playing, so the monitor that sees the
// mark also sees the source playing or already finished.
inline void mark_started(AudioSource& s) {
    std::atomic_ref(s.unseen_start).store(1, std::memory_order_release);
}
inline bool take_unseen_start(AudioSource& s) {
    return std::atomic_ref(s.unseen_start).exchange(0, std::memory_order_acquire) != 0;
}

// What OpenAL is doing with a source.
enum class PlayState { INITIAL, PLAYING, PAUSED, STOPPED };

// The source's OpenAL state; INITIAL when it has no OpenAL source.
PlayState play_state(const AudioSource& s);

} // namespace lum
