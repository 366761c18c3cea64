#pragma once

#include <cstdint>

namespace lum {

// The device's two source groups, as listeners are installed for them.
enum class AudioGroup { A, B };

// A game's object told when its sounds end. The calls come on the monitor
// thread: keep them short, do not throw, and hand the value to the main thread
// rather than playing from here.
class AudioListener {
  public:
    virtual ~AudioListener() = default;
    // A source of group A finished; the argument is its user_value.
    virtual void group_a_finished(int32_t) {}
    // A source of group B finished; the argument is its user_value.
    virtual void group_b_finished(int32_t) {}
};

// Installs the listener of a group (null removes it). When this returns, the
// previous listener is no longer being called, so it may be destroyed.
void set_audio_listener(AudioGroup group, AudioListener* listener);

// Tells the group's listener, if there is one, that a source finished.
void notify_audio_listener(AudioGroup group, int32_t user_value);

} // namespace lum
