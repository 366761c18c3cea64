#include "lum/audio/audio_monitor.hpp"

#include "lum/audio/audio_device.hpp"
#include "lum/audio/sound_wake.hpp"
#include "lum/audio/source_watch.hpp"

#include <algorithm>
#include <chrono>
#include <mutex>
#include <vector>

namespace lum {

namespace {

std::mutex monitors_lock;
std::vector<AudioMonitor*> monitors;

void enlist(AudioMonitor* m) {
    std::lock_guard hold(monitors_lock);
    monitors.push_back(m);
}

void delist(AudioMonitor* m) {
    std::lock_guard hold(monitors_lock);
    std::erase(monitors, m);
}

} // namespace

void audio_monitor(const std::atomic<bool>& stop) {
    AudioDevice& device = audio_device();
    SourceWatch watch;
    SoundWake& wake = sound_wake();
    while (!stop.load()) {
        // Noted before the check: a start after it moves the count.
        const uint64_t seen = wake.count();
        // Real time, not the platform clock: OpenAL plays in real time, and a
        // scripted clock belongs to the main thread.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        // With nothing sounding, only a start can give it something to tell.
        if (!watch.poll(device))
            wake.wait(seen, stop);
    }
}

void AudioMonitor::start() {
    if (thread_.joinable())
        return;
    stop_ = false;
    running_ = true;
    thread_ = std::thread([this] {
        audio_monitor(stop_);
        running_ = false;
    });
    enlist(this);
}

void AudioMonitor::stop() {
    if (!thread_.joinable())
        return;
    stop_ = true;
    sound_wake().interrupt();
    thread_.join();
    delist(this);
}

void stop_audio_monitors() {
    std::vector<AudioMonitor*> running;
    {
        std::lock_guard hold(monitors_lock);
        running = monitors;
    }
    for (AudioMonitor* m : running)
        m->stop();
}

} // namespace lum
