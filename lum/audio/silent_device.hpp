#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

struct ALCdevice_struct;

namespace lum {

// OpenAL Soft's loopback device (ALC_SOFT_loopback), mixed into nothing: the
// output of a machine without a sound card, chosen once when the default
// output cannot be opened. Sources play, advance and end as on a real output,
// so every caller and the monitor thread see the same states; nothing is heard.

// Opens a loopback device; null when the library does not offer the extension
// or the device cannot be opened.
ALCdevice_struct* open_silent_device();

// The zero-terminated attributes a context on the silent device must be
// created with (its mix format).
const int* silent_context_attributes();

// Mixes a silent device's sound into nothing at the pace of a real output, on
// a thread of its own, so that sources finish when their sound would. While
// nothing plays there is nothing to advance: it sleeps until sound_wake()
// rings. Start it once the device has a current context; stop it before the
// context goes.
class SilentClock {
  public:
    SilentClock() = default;
    SilentClock(const SilentClock&) = delete;
    SilentClock& operator=(const SilentClock&) = delete;
    ~SilentClock() { stop(); }

    // Starts mixing device while playing() says a source plays; nothing when
    // it runs already. playing() is called on the clock's thread.
    void start(ALCdevice_struct* device, std::function<bool()> playing);
    // Stops the thread and waits for it; safe when not started.
    void stop();
    bool running() const { return thread_.joinable(); }

  private:
    std::thread thread_;
    std::atomic<bool> stop_{false};
};

} // namespace lum
