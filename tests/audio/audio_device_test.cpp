#include "audio_fixture.hpp"

#include "lum/audio/audio_monitor.hpp"
#include "lum/core/runtime_warning.hpp"
#include "lum/error/exception.hpp"

using namespace lum;
using lum::test::AudioTest;

namespace {

using States = std::vector<std::pair<PlayState, SourceState>>;

States states_of(const std::vector<AudioSource*>& sources) {
    States states;
    for (const AudioSource* s : sources)
        states.emplace_back(play_state(*s), s->state);
    return states;
}

} // namespace

TEST_F(AudioTest, OpenGivesTwoIndexedAndEightPickedSourcesAndCloseForgetsThem) {
    EXPECT_TRUE(group_a.by_index);
    EXPECT_FALSE(group_b.by_index);
    ASSERT_EQ(group_a.sources.size(), 2u);
    ASSERT_EQ(group_b.sources.size(), 8u);
    for (SourceGroup* g : {&group_a, &group_b}) {
        for (const AudioSource& s : g->sources) {
            EXPECT_TRUE(alIsSource(s.source));
            EXPECT_EQ(s.state, SourceState::NO_BUFFER);
        }
    }
    close_audio();
    close_audio();
    EXPECT_FALSE(device.is_open());
    EXPECT_EQ(group_b.sources.size(), 8u);
    EXPECT_EQ(group_b.sources[7].source, 0u);

    // Opened again, the sources wait for the first sound for their names.
    open_audio();
    EXPECT_EQ(group_a.sources[0].source, 0u);
    ASSERT_NE(play_on_group(group_a, silence(20), 0, Playback::LOOPING), nullptr);
    EXPECT_EQ(play_state(group_a.sources[0]), PlayState::PLAYING);
}

TEST_F(AudioTest, AttachingResetsTheRecordAndGainsFollowTheDeviceVolumes) {
    device.set_settings(
        {.master_volume = 0.5f, .looping_volume = 0.8f, .one_shot_volume = 0.4f, .pitch = 1.5f});
    AudioSource& s = group_b.sources[0];
    s.user_value = 9;
    device.attach(s, silence_20ms, 0.5f);
    EXPECT_EQ(s.user_value, 0);
    EXPECT_EQ(s.state, SourceState::ATTACHED);
    EXPECT_EQ(s.buffer_size, 160);
    EXPECT_EQ(s.pitch, 1.0f);
    EXPECT_EQ(al_int(s, AL_BUFFER), static_cast<ALint>(silence_20ms));
    EXPECT_FLOAT_EQ(al_float(s, AL_PITCH), 1.5f);
    EXPECT_FLOAT_EQ(al_float(s, AL_GAIN), 0.5f * 0.5f * 0.4f);

    struct Row {
        float volume;
        Playback playback;
        float kept;
        float gain;
    };
    for (Row row : {Row{0.5f, Playback::LOOPING, 0.5f, 0.2f}, Row{0.5f, Playback::ONE_SHOT, 0.5f, 0.1f},
                    Row{-1.0f, Playback::ONE_SHOT, 0.0f, 0.0f}, Row{1.5f, Playback::LOOPING, 1.0f, 0.4f}}) {
        SCOPED_TRACE(row.volume);
        device.start(s, row.playback);
        device.set_volume(s, row.volume);
        EXPECT_EQ(s.volume, row.kept);
        EXPECT_FLOAT_EQ(al_float(s, AL_GAIN), row.gain);
        EXPECT_EQ(al_int(s, AL_LOOPING), row.playback == Playback::LOOPING ? AL_TRUE : AL_FALSE);
    }
    device.set_settings(
        {.master_volume = 1.0f, .looping_volume = 0.8f, .one_shot_volume = 0.4f, .pitch = 2.0f});
    EXPECT_FLOAT_EQ(al_float(s, AL_GAIN), 0.8f);
    EXPECT_FLOAT_EQ(al_float(s, AL_PITCH), 2.0f);
}

TEST_F(AudioTest, WithEightSourcesPlayingANewSoundReplacesTheEarliestStarted) {
    const uint32_t start_frames[8] = {5, 3, 8, 1, 7, 2, 6, 4};
    for (uint32_t f : start_frames) {
        frame = f;
        play_on_group(group_b, silence_20ms, 0, Playback::LOOPING);
    }
    frame = 9;
    uint32_t shorter = silence(10);
    AudioSource* taken = play_on_group(group_b, shorter, 0, Playback::ONE_SHOT, 42);
    ASSERT_EQ(taken, &group_b.sources[3]);
    EXPECT_EQ(al_int(*taken, AL_BUFFER), static_cast<ALint>(shorter));
    EXPECT_EQ(taken->buffer_size, 80);
    EXPECT_EQ(taken->user_value, 42);
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(group_b.sources[i].start_frame, i == 3 ? 9 : start_frames[i]);
        EXPECT_EQ(play_state(group_b.sources[i]), PlayState::PLAYING);
    }
}

TEST_F(AudioTest, IndexedGroupPlaysOnTheNamedSourceAndWarnsAboutABadIndex) {
    EXPECT_EQ(play_on_group(group_a, silence_20ms, 1, Playback::LOOPING), &group_a.sources[1]);
    EXPECT_EQ(play_state(group_a.sources[1]), PlayState::PLAYING);
    EXPECT_EQ(group_a.sources[0].state, SourceState::NO_BUFFER);
    int before = warning_count();
    testing::internal::CaptureStderr();
    EXPECT_EQ(play_on_group(group_a, silence_20ms, 2), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "[lum.runtime.warning AudioDevice::play_on_group] Invalid source index (index=2)\n");
    EXPECT_EQ(warning_count(), before + 1);
}

TEST_F(AudioTest, FocusLossPausesOnlyStartedSourcesAndFocusReturnResumesThem) {
    AudioSource& music = group_a.sources[0];
    AudioSource& loop = group_b.sources[0];
    AudioSource& attached = group_b.sources[1];
    AudioSource& ended = group_b.sources[2];
    for (AudioSource* s : {&music, &loop, &attached, &ended})
        device.attach(*s, silence_20ms, 1.0f);
    device.start(music, Playback::LOOPING);
    device.start(loop, Playback::LOOPING);
    device.start(ended, Playback::ONE_SHOT);
    wait_until_ended(ended);
    const std::vector<AudioSource*> all = {&music, &loop, &attached, &ended, &group_b.sources[3]};

    pause_all_sources();
    EXPECT_EQ(states_of(all), (States{{PlayState::PAUSED, SourceState::FOCUS_PAUSED},
                                      {PlayState::PAUSED, SourceState::FOCUS_PAUSED},
                                      {PlayState::INITIAL, SourceState::ATTACHED},
                                      {PlayState::STOPPED, SourceState::FOCUS_PAUSED},
                                      {PlayState::INITIAL, SourceState::NO_BUFFER}}));
    resume_all_sources();
    EXPECT_EQ(states_of(all), (States{{PlayState::PLAYING, SourceState::STARTED},
                                      {PlayState::PLAYING, SourceState::STARTED},
                                      {PlayState::INITIAL, SourceState::ATTACHED},
                                      {PlayState::STOPPED, SourceState::STARTED},
                                      {PlayState::INITIAL, SourceState::NO_BUFFER}}));
    // The sound that had ended before focus went plays again when asked.
    device.start(ended, Playback::ONE_SHOT);
    EXPECT_EQ(play_state(ended), PlayState::PLAYING);
}

TEST_F(AudioTest, StartRequestDuringFocusLossKeepsTheSourcePausedUntilFocusReturns) {
    AudioSource& s = *play_on_group(group_b, silence_20ms, 0, Playback::LOOPING);
    pause_all_sources();
    device.start(s, Playback::LOOPING);
    EXPECT_EQ(play_state(s), PlayState::PAUSED);
    EXPECT_EQ(s.state, SourceState::FOCUS_PAUSED);
    resume_all_sources();
    EXPECT_EQ(play_state(s), PlayState::PLAYING);
}

TEST(AudioDeviceDeathTest, WithoutAUsableOutputTheSilentDeviceOpensAndSoundsPlayToTheirEnd) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // A fresh process, so OpenAL reads the driver list for the first time.
    EXPECT_EXIT(
        {
            setenv("ALSOFT_DRIVERS", "no-such-driver", 1);
            open_audio();
            if (!audio_device().silent() || !audio_device().is_open())
                std::exit(4);
            lum::test::RecordingListener listener;
            set_audio_listener(AudioGroup::B, &listener);
            AudioMonitor monitor;
            monitor.start();
            // 20 ms of 8-bit silence at 8000 Hz.
            const std::vector<uint8_t> pcm(160, 128);
            const uint32_t buffer = create_audio_buffer(pcm.data(), pcm.size(), SampleFormat::MONO8, 8000);
            // With nothing playing, the monitor and the silent clock sleep.
            if (!lum::test::wait_for_sleepers(2))
                std::exit(7);
            play_on_group(audio_device().group_b, buffer, 0, Playback::ONE_SHOT, 5);
            // The monitor sees the sound end, as it would on a sound card.
            if (!listener.wait_for(1) ||
                listener.calls() != lum::test::RecordingListener::Calls{{AudioGroup::B, 5}})
                std::exit(5);
            monitor.stop();
            close_audio();
            std::exit(audio_device().silent() ? 6 : 3);
        },
        testing::ExitedWithCode(3), "");
}

TEST_F(AudioTest, TheSilentDeviceKeepsSourceStatesAndGivesWayToTheDefaultOutput) {
    device.open_silent();
    EXPECT_TRUE(device.silent());
    // Buffers belong to the device they were made on.
    AudioSource& held = *play_on_group(group_a, silence(5000), 0, Playback::LOOPING);
    EXPECT_EQ(play_state(held), PlayState::PLAYING);
    pause_all_sources();
    EXPECT_EQ(play_state(held), PlayState::PAUSED);
    resume_all_sources();
    EXPECT_EQ(play_state(held), PlayState::PLAYING);
    AudioSource& brief = *play_on_group(group_b, silence(20));
    wait_until_ended(brief);
    EXPECT_EQ(play_state(brief), PlayState::STOPPED);
    EXPECT_EQ(play_state(held), PlayState::PLAYING);
    device.open();
    EXPECT_FALSE(device.silent());
}
