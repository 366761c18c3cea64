#include "lum/audio/audio_device.hpp"

#include "lum/audio/audio_monitor.hpp"
#include "lum/audio/sound_wake.hpp"
#include "lum/core/runtime_warning.hpp"
#include "lum/error/exception.hpp"

#include <AL/al.h>
#include <AL/alc.h>

namespace lum {

namespace {

constexpr size_t GROUP_A_SIZE = 2;
constexpr size_t GROUP_B_SIZE = 8;

const uint32_t* frame_counter = nullptr;

uint32_t current_frame() {
    return frame_counter ? *frame_counter : 0;
}

template <typename F>
void for_each_source(AudioDevice& device, F f) {
    for (AudioSource& s : device.group_a.sources)
        f(s);
    for (AudioSource& s : device.group_b.sources)
        f(s);
}

// A fresh record for an OpenAL source name, written field by field because the
// monitor may be reading it.
void reset(AudioSource& s, uint32_t name) {
    const AudioSource fresh;
    s.looping = fresh.looping;
    take_unseen_start(s);
    s.buffer_size = fresh.buffer_size;
    s.start_frame = fresh.start_frame;
    s.volume = fresh.volume;
    s.pitch = fresh.pitch;
    s.state = fresh.state;
    store_user_value(s, fresh.user_value);
    store_source(s, name);
}

} // namespace

AudioDevice::AudioDevice() {
    group_a.by_index = true;
    group_a.sources.resize(GROUP_A_SIZE);
    group_b.by_index = false;
    group_b.sources.resize(GROUP_B_SIZE);
}

void AudioDevice::open() {
    open(Output::DEFAULT);
}

void AudioDevice::open_silent() {
    open(Output::SILENT);
}

void AudioDevice::open(Output output) {
    close();
    if (output == Output::DEFAULT)
        device_ = alcOpenDevice(nullptr);
    // A program that plays no sound must still start without a sound card.
    if (!device_) {
        device_ = open_silent_device();
        silent_ = device_ != nullptr;
    }
    if (!device_)
        throw AudioOpenDeviceException();
}

void AudioDevice::make_ready() {
    if (!device_ || context_)
        return;
    context_ = alcCreateContext(device_, silent_ ? silent_context_attributes() : nullptr);
    if (!context_ || !alcMakeContextCurrent(context_)) {
        // A failed start leaves nothing open.
        close();
        throw AudioContextException();
    }
    alDistanceModel(AL_LINEAR_DISTANCE_CLAMPED);
    alListener3f(AL_POSITION, 0, 0, 0);
    alListener3f(AL_VELOCITY, 0, 0, 0);
    const ALfloat orientation[6] = {0, 0, -1, 0, 1, 0};
    alListenerfv(AL_ORIENTATION, orientation);
    if (silent_)
        silent_clock_.start(device_, [this] { return any_playing(); });

    // The groups keep their sizes: the monitor may be walking them already.
    group_a.by_index = true;
    group_b.by_index = false;
    for_each_source(*this, [](AudioSource& s) {
        ALuint name = 0;
        alGenSources(1, &name);
        reset(s, name);
    });
}

void AudioDevice::close() {
    silent_clock_.stop();
    if (context_) {
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context_);
        context_ = nullptr;
    }
    if (device_) {
        alcCloseDevice(device_);
        device_ = nullptr;
    }
    silent_ = false;
    forget_sources();
}

// A context takes its sources with it, so their names mean nothing afterwards.
void AudioDevice::forget_sources() {
    for_each_source(*this, [](AudioSource& s) { reset(s, 0); });
}

void AudioDevice::set_settings(const AudioSettings& settings) {
    settings_ = settings;
    for_each_source(*this, [this](AudioSource& s) {
        if (s.source == 0 || s.state == SourceState::NO_BUFFER)
            return;
        alSourcef(s.source, AL_GAIN, gain(s));
        alSourcef(s.source, AL_PITCH, s.pitch * settings_.pitch);
    });
}

bool AudioDevice::any_playing() const {
    for (const SourceGroup* group : {&group_a, &group_b}) {
        for (const AudioSource& s : group->sources) {
            if (play_state(s) == PlayState::PLAYING)
                return true;
        }
    }
    return false;
}

float AudioDevice::gain(const AudioSource& s) const {
    float group = s.looping == Playback::LOOPING ? settings_.looping_volume : settings_.one_shot_volume;
    return s.volume * settings_.master_volume * group;
}

void AudioDevice::set_volume(AudioSource& s, float volume) const {
    // Written so that NaN becomes 0.
    s.volume = volume > 1.0f ? 1.0f : (volume >= 0.0f ? volume : 0.0f);
    if (s.source != 0)
        alSourcef(s.source, AL_GAIN, gain(s));
}

void AudioDevice::attach(AudioSource& s, uint32_t buffer, float volume) const {
    store_user_value(s, 0);
    s.state = SourceState::ATTACHED;
    s.buffer_size = 0;
    s.pitch = 1.0f;
    if (s.source != 0) {
        // OpenAL refuses a new buffer on a playing or paused source.
        alSourceStop(s.source);
        alSourcei(s.source, AL_BUFFER, static_cast<ALint>(buffer));
        alSourcei(s.source, AL_LOOPING, AL_FALSE);
        ALint size = 0;
        if (buffer != 0)
            alGetBufferi(buffer, AL_SIZE, &size);
        s.buffer_size = size;
        alSourcef(s.source, AL_PITCH, settings_.pitch);
    }
    set_volume(s, volume);
}

void AudioDevice::start(AudioSource& s, Playback playback) const {
    if (s.source == 0 || s.state == SourceState::NO_BUFFER)
        return;
    s.looping = playback;
    if (s.state == SourceState::FOCUS_PAUSED) {
        alSourcePause(s.source);
        return;
    }
    s.state = SourceState::STARTED;
    alSourcef(s.source, AL_GAIN, gain(s));
    alSourcei(s.source, AL_LOOPING, playback == Playback::LOOPING ? AL_TRUE : AL_FALSE);
    alSourcePlay(s.source);
    mark_started(s);
    s.start_frame = current_frame();
    sound_wake().ring();
}

AudioSource* AudioDevice::play_on_group(SourceGroup& group, uint32_t buffer, size_t index, Playback playback,
                                        int32_t user_value) {
    make_ready();
    AudioSource* taken = nullptr;
    if (group.by_index) {
        if (index >= group.sources.size()) {
            runtime_warning("AudioDevice::play_on_group", "Invalid source index", "index",
                            static_cast<int32_t>(index));
            return nullptr;
        }
        taken = &group.sources[index];
    } else {
        AudioSource* earliest = nullptr;
        for (AudioSource& s : group.sources) {
            if (!earliest || s.start_frame < earliest->start_frame)
                earliest = &s;
            if (s.source == 0 || play_state(s) != PlayState::PLAYING) {
                taken = &s;
                break;
            }
        }
        if (!taken)
            taken = earliest;
    }
    if (!taken)
        return nullptr;
    attach(*taken, buffer, 1.0f);
    store_user_value(*taken, user_value);
    start(*taken, playback);
    return taken;
}

void AudioDevice::pause_all() {
    for_each_source(*this, [](AudioSource& s) {
        if (s.state != SourceState::STARTED)
            return;
        alSourcePause(s.source);
        s.state = SourceState::FOCUS_PAUSED;
    });
}

void AudioDevice::resume_all() {
    for_each_source(*this, [](AudioSource& s) {
        if (play_state(s) == PlayState::PAUSED) {
            alSourcePlay(s.source);
            s.state = SourceState::STARTED;
            sound_wake().ring();
        } else if (s.state == SourceState::FOCUS_PAUSED) {
            // It had finished or was stopped meanwhile; left marked, it would
            // refuse every later start.
            s.state = SourceState::STARTED;
        }
    });
}

void AudioDevice::stop_all() {
    for (SourceGroup* group : {&group_b, &group_a}) {
        for (AudioSource& s : group->sources) {
            if (s.source != 0)
                alSourceStop(s.source);
        }
    }
}

AudioDevice& audio_device() {
    static AudioDevice* device = new AudioDevice;
    return *device;
}

void set_audio_frame_counter(const uint32_t* counter) {
    frame_counter = counter;
}

void open_audio() {
    audio_device().open();
}

void close_audio() {
    stop_audio_monitors();
    audio_device().close();
}

void pause_all_sources() {
    audio_device().pause_all();
}
void resume_all_sources() {
    audio_device().resume_all();
}
void stop_all_sources() {
    audio_device().stop_all();
}

AudioSource* play_on_group(SourceGroup& group, uint32_t buffer, size_t index, Playback playback,
                           int32_t user_value) {
    return audio_device().play_on_group(group, buffer, index, playback, user_value);
}

} // namespace lum
