#include "lum/audio/audio_buffer.hpp"

#include "lum/audio/audio_device.hpp"

#include <AL/al.h>

namespace lum {

namespace {

ALenum al_format(SampleFormat format) {
    switch (format) {
    case SampleFormat::MONO8:
        return AL_FORMAT_MONO8;
    case SampleFormat::MONO16:
        return AL_FORMAT_MONO16;
    case SampleFormat::STEREO8:
        return AL_FORMAT_STEREO8;
    case SampleFormat::STEREO16:
        return AL_FORMAT_STEREO16;
    }
    return AL_FORMAT_MONO8;
}

} // namespace

uint32_t create_audio_buffer(const void* samples, size_t bytes, SampleFormat format, int32_t frequency) {
    if (bytes > static_cast<size_t>(INT32_MAX))
        return 0;
    // A buffer needs the device's context.
    audio_device().make_ready();
    alGetError();
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    if (alGetError() != AL_NO_ERROR)
        return 0;
    alBufferData(buffer, al_format(format), samples, static_cast<ALsizei>(bytes), frequency);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffer);
        return 0;
    }
    return buffer;
}

void delete_audio_buffer(uint32_t buffer) {
    if (buffer != 0)
        alDeleteBuffers(1, &buffer);
}

} // namespace lum
