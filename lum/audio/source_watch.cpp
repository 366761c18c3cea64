#include "lum/audio/source_watch.hpp"

#include "lum/audio/audio_device.hpp"
#include "lum/audio/audio_listener.hpp"

namespace lum {

namespace {

bool poll_group(SourceGroup& group, std::vector<uint8_t>& sounding, AudioGroup which) {
    bool any = false;
    sounding.resize(group.sources.size());
    for (size_t i = 0; i < group.sources.size(); ++i) {
        AudioSource& s = group.sources[i];
        bool was = take_unseen_start(s) || sounding[i];
        PlayState state = play_state(s);
        bool now = state == PlayState::PLAYING || state == PlayState::PAUSED;
        if (was && !now)
            notify_audio_listener(which, load_user_value(s));
        sounding[i] = now;
        any = any || now;
    }
    return any;
}

} // namespace

bool SourceWatch::poll(AudioDevice& device) {
    const bool a = poll_group(device.group_a, sounding_a_, AudioGroup::A);
    const bool b = poll_group(device.group_b, sounding_b_, AudioGroup::B);
    return a || b;
}

} // namespace lum
