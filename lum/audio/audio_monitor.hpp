#pragma once

#include <atomic>
#include <thread>

namespace lum {

// The monitor thread's body: every millisecond until stop is set, tells the
// listeners which sources have finished. While none sounds it sleeps until
// sound_wake() rings; whoever sets stop interrupts that wake.
void audio_monitor(const std::atomic<bool>& stop);

// Owns the monitor thread. Start and stop it from the main thread.
class AudioMonitor {
  public:
    AudioMonitor() = default;
    AudioMonitor(const AudioMonitor&) = delete;
    AudioMonitor& operator=(const AudioMonitor&) = delete;
    ~AudioMonitor() { stop(); }

    // Starts the thread running audio_monitor; nothing when it runs already.
    void start();
    // Sets the stop flag and waits for the thread to end; safe when not started.
    void stop();
    // True from start until the thread has ended.
    bool running() const { return running_.load(); }

  private:
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> running_{false};
};

// Stops every running monitor: the process is about to release what they read.
void stop_audio_monitors();

} // namespace lum
