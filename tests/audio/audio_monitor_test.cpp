#include "audio_fixture.hpp"

#include "lum/audio/audio_monitor.hpp"
#include "lum/audio/source_watch.hpp"

using namespace lum;
using lum::test::AudioTest;
using Calls = lum::test::RecordingListener::Calls;

TEST_F(AudioTest, WatchTellsTheGroupsListenerOnceAndForgetsEndsNobodyListensTo) {
    lum::test::RecordingListener listener;
    set_audio_listener(AudioGroup::B, &listener);
    play_on_group(group_a, silence_20ms, 1, Playback::LOOPING, 5);
    play_on_group(group_b, silence_20ms, 0, Playback::LOOPING, 7);
    SourceWatch watch;
    watch.poll(device);
    EXPECT_TRUE(listener.calls().empty());
    stop_all_sources();
    watch.poll(device);
    set_audio_listener(AudioGroup::A, &listener);
    watch.poll(device);
    EXPECT_EQ(listener.calls(), (Calls{{AudioGroup::B, 7}}));
}

TEST_F(AudioTest, WatchDoesNotTakeAPauseForFocusLossForTheEnd) {
    lum::test::RecordingListener listener;
    set_audio_listener(AudioGroup::A, &listener);
    play_on_group(group_a, silence_20ms, 0, Playback::LOOPING, 5);
    SourceWatch watch;
    watch.poll(device);
    pause_all_sources();
    watch.poll(device);
    resume_all_sources();
    watch.poll(device);
    EXPECT_TRUE(listener.calls().empty());
    stop_all_sources();
    watch.poll(device);
    EXPECT_EQ(listener.calls(), (Calls{{AudioGroup::A, 5}}));
}

TEST_F(AudioTest, WatchReportsASoundThatEndedBeforeItsFirstCheck) {
    lum::test::RecordingListener listener;
    set_audio_listener(AudioGroup::B, &listener);
    AudioSource& s = *play_on_group(group_b, silence_20ms, 0, Playback::ONE_SHOT, 7);
    wait_until_ended(s);
    SourceWatch watch;
    watch.poll(device);
    watch.poll(device);
    EXPECT_EQ(listener.calls(), (Calls{{AudioGroup::B, 7}}));
}

TEST_F(AudioTest, MonitorThreadTellsTheListenerWhenASoundHasPlayedToItsEnd) {
    lum::test::RecordingListener listener;
    set_audio_listener(AudioGroup::B, &listener);
    AudioMonitor monitor;
    monitor.start();
    play_on_group(group_b, silence_20ms, 0, Playback::ONE_SHOT, 7);
    EXPECT_TRUE(listener.wait_for(1));
    monitor.stop();
    EXPECT_EQ(listener.calls(), (Calls{{AudioGroup::B, 7}}));
}

TEST_F(AudioTest, MonitorSleepsWhileNothingSoundsAndEachStartWakesItToTellTheEnd) {
    lum::test::RecordingListener listener;
    set_audio_listener(AudioGroup::B, &listener);
    AudioMonitor monitor;
    monitor.start();
    ASSERT_TRUE(lum::test::wait_for_sleepers(1));
    play_on_group(group_b, silence_20ms, 0, Playback::ONE_SHOT, 7);
    EXPECT_TRUE(listener.wait_for(1));
    // Asleep again, and the next start after that idle is told too.
    ASSERT_TRUE(lum::test::wait_for_sleepers(1));
    set_audio_listener(AudioGroup::A, &listener);
    play_on_group(group_a, silence_20ms, 1, Playback::ONE_SHOT, 9);
    EXPECT_TRUE(listener.wait_for(2));
    // Stopping wakes the sleeper.
    ASSERT_TRUE(lum::test::wait_for_sleepers(1));
    monitor.stop();
    EXPECT_FALSE(monitor.running());
    EXPECT_EQ(lum::sound_wake().sleepers(), 0);
    EXPECT_EQ(listener.calls(), (Calls{{AudioGroup::B, 7}, {AudioGroup::A, 9}}));
}

TEST_F(AudioTest, StopAndCloseAudioEndTheMonitorThreadBeforeReturning) {
    AudioMonitor first;
    AudioMonitor second;
    first.stop();
    first.start();
    first.start();
    EXPECT_TRUE(first.running());
    first.stop();
    EXPECT_FALSE(first.running());
    first.stop();
    first.start();
    second.start();
    close_audio();
    EXPECT_FALSE(first.running());
    EXPECT_FALSE(second.running());
}
