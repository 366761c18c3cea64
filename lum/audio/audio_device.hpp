#pragma once

#include "lum/audio/silent_device.hpp"
#include "lum/audio/source_group.hpp"

#include <cstddef>
#include <cstdint>

struct ALCdevice_struct;
struct ALCcontext_struct;

namespace lum {

// The device-wide factors of every source's gain and pitch.
struct AudioSettings {
    float master_volume = 1.0f;
    float looping_volume = 1.0f;
    float one_shot_volume = 1.0f;
    float pitch = 1.0f;
};

// The default OpenAL output and the engine's two source groups. One per process
// (audio_device()); every operation runs on the main thread, except that the
// monitor thread reads the groups.
class AudioDevice {
  public:
    AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    // Two indexed sources (music).
    SourceGroup group_a;
    // Eight sources picked by the device (sound effects).
    SourceGroup group_b;

    // Opens the default output, closing what was open first. Without a default
    // output (no sound card, no sound server) it opens the silent device
    // instead, and throws AudioOpenDeviceException only when that fails too.
    // The sources get their OpenAL names from make_ready.
    void open();
    // open() on the silent device, whether or not there is a sound card.
    void open_silent();
    // True while the open device is the silent one: sound is off.
    bool silent() const { return silent_; }
    // Releases the context and the output, then forgets the sources. Safe when
    // nothing is open.
    void close();
    bool is_open() const { return device_ != nullptr; }
    // Makes the open device's context and gives every source of both groups a
    // fresh OpenAL source; nothing when that is done or nothing is open. The
    // first buffer made and the first sound played call it: OpenAL's context
    // holds voices for 256 sources and a mixing thread, which a program that
    // never makes a sound does without. Throws AudioContextException, closing
    // the device, when no context can be made.
    void make_ready();

    const AudioSettings& settings() const { return settings_; }
    // Stores the settings and applies them to every source with a buffer.
    void set_settings(const AudioSettings& settings);

    // Clamps the volume to 0..1, keeps it and sets the source's gain from it.
    void set_volume(AudioSource& s, float volume) const;
    // Stops the source and attaches the buffer (0 detaches) with the given volume.
    void attach(AudioSource& s, uint32_t buffer, float volume) const;
    // Plays the attached buffer from its start, or keeps it paused while the
    // window is out of focus. Nothing without a source or a buffer.
    void start(AudioSource& s, Playback playback) const;

    // Plays the buffer on the group's source at index (indexed groups), else on
    // the first source not playing, else on the one started earliest; the
    // listener gets user_value when it ends. Returns that source, or null when
    // there is none (with a warning for a bad index).
    AudioSource* play_on_group(SourceGroup& group, uint32_t buffer, size_t index = 0,
                               Playback playback = Playback::ONE_SHOT, int32_t user_value = 0);

    // Pauses every started source because focus was lost.
    void pause_all();
    // Plays every paused source again because focus came back.
    void resume_all();
    // Stops every source of group B, then of group A.
    void stop_all();

  private:
    enum class Output { DEFAULT, SILENT };
    void open(Output output);
    void forget_sources();
    float gain(const AudioSource& s) const;
    // True while a source of either group plays; safe on another thread.
    bool any_playing() const;

    ALCdevice_struct* device_ = nullptr;
    ALCcontext_struct* context_ = nullptr;
    bool silent_ = false;
    SilentClock silent_clock_;
    AudioSettings settings_;
};

// The process-wide device, created on first use and never destroyed, so the
// monitor thread can never outlive it.
AudioDevice& audio_device();

// Lets sources record the application's frame counter when they start; null
// (the default) records 0. The counter must outlive its use.
void set_audio_frame_counter(const uint32_t* counter);

// The process-wide device's operations, as the application frame calls them.
// Opening does not arrange the close: the caller knows when sound is over.
void open_audio();
// Stops every running monitor, then closes the device; safe to call twice.
void close_audio();
void pause_all_sources();
void resume_all_sources();
void stop_all_sources();
AudioSource* play_on_group(SourceGroup& group, uint32_t buffer, size_t index = 0,
                           Playback playback = Playback::ONE_SHOT, int32_t user_value = 0);

} // namespace lum
