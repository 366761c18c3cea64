#include "lum/audio/audio_listener.hpp"

#include <mutex>

namespace lum {

namespace {

// Held while a listener is called, so removing one waits for its call to end;
// recursive because a listener may replace itself from inside its call.
std::recursive_mutex listener_lock;
AudioListener* listeners[2] = {nullptr, nullptr};

} // namespace

void set_audio_listener(AudioGroup group, AudioListener* listener) {
    std::lock_guard hold(listener_lock);
    listeners[static_cast<int>(group)] = listener;
}

void notify_audio_listener(AudioGroup group, int32_t user_value) {
    std::lock_guard hold(listener_lock);
    AudioListener* listener = listeners[static_cast<int>(group)];
    if (!listener)
        return;
    if (group == AudioGroup::A)
        listener->group_a_finished(user_value);
    else
        listener->group_b_finished(user_value);
}

} // namespace lum
