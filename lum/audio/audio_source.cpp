#include "lum/audio/audio_source.hpp"

#include <AL/al.h>

namespace lum {

PlayState play_state(const AudioSource& s) {
    uint32_t name = load_source(s);
    if (name == 0)
        return PlayState::INITIAL;
    ALint state = AL_INITIAL;
    alGetSourcei(name, AL_SOURCE_STATE, &state);
    switch (state) {
    case AL_PLAYING:
        return PlayState::PLAYING;
    case AL_PAUSED:
        return PlayState::PAUSED;
    case AL_STOPPED:
        return PlayState::STOPPED;
    default:
        return PlayState::INITIAL;
    }
}

} // namespace lum
