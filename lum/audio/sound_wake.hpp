#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace lum {

// Lets the threads that serve sound (the monitor, the silent device's clock)
// sleep while nothing plays. The main thread rings it after every start; a
// sleeper notes the count before it looks at the sources, and when it finds
// none playing waits for the count to move, so no start is slept through.
class SoundWake {
  public:
    // The number of rings so far.
    uint64_t count() const { return count_.load(std::memory_order_acquire); }
    // A source may have started: wakes every sleeper.
    void ring();
    // Wakes every sleeper so it can see its stop flag; call after setting it.
    void interrupt();
    // Waits until the count is no longer seen or stop is set.
    void wait(uint64_t seen, const std::atomic<bool>& stop);
    // How many threads are waiting now.
    int sleepers();

  private:
    std::atomic<uint64_t> count_{0};
    std::mutex lock_;
    std::condition_variable woken_;
    int sleepers_ = 0;
};

// The process-wide wake shared by the sound threads.
SoundWake& sound_wake();

} // namespace lum
