#include "lum/audio/silent_device.hpp"

#include "lum/audio/sound_wake.hpp"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <chrono>
#include <vector>

namespace lum {

namespace {

constexpr int RATE = 44100;
constexpr int CHANNELS = 2;
// How often the clock mixes what has become due.
constexpr auto TICK = std::chrono::milliseconds(5);
// The most frames mixed in one call: a tenth of a second.
constexpr int64_t CHUNK = RATE / 10;

LPALCRENDERSAMPLESSOFT render_samples() {
    return reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
}

} // namespace

ALCdevice_struct* open_silent_device() {
    // Looked up at run time: a library without the extension still links.
    if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback"))
        return nullptr;
    auto open = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
        alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    if (!open || !render_samples())
        return nullptr;
    return open(nullptr);
}

const int* silent_context_attributes() {
    static const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT,
                                        ALC_STEREO_SOFT,
                                        ALC_FORMAT_TYPE_SOFT,
                                        ALC_SHORT_SOFT,
                                        ALC_FREQUENCY,
                                        RATE,
                                        0};
    return attributes;
}

void SilentClock::start(ALCdevice_struct* device, std::function<bool()> playing) {
    if (thread_.joinable())
        return;
    stop_ = false;
    thread_ = std::thread([this, device, playing = std::move(playing), render = render_samples()] {
        using Clock = std::chrono::steady_clock;
        std::vector<ALshort> scratch(static_cast<size_t>(CHUNK) * CHANNELS);
        SoundWake& wake = sound_wake();
        Clock::time_point begun = Clock::now();
        int64_t mixed = 0;
        while (!stop_.load()) {
            // Noted before the check: a start after it moves the count.
            const uint64_t seen = wake.count();
            if (!playing()) {
                wake.wait(seen, stop_);
                // The sound starts now: the time slept owes no frames.
                begun = Clock::now();
                mixed = 0;
            }
            std::this_thread::sleep_for(TICK);
            // Frames due since the start, so sleeping late never slows the sound.
            const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - begun);
            int64_t due = elapsed.count() * RATE / 1000000 - mixed;
            // In pieces, so a long stall needs no large buffer.
            while (due > 0) {
                const int64_t piece = due < CHUNK ? due : CHUNK;
                render(device, scratch.data(), static_cast<ALCsizei>(piece));
                mixed += piece;
                due -= piece;
            }
        }
    });
}

void SilentClock::stop() {
    if (!thread_.joinable())
        return;
    stop_ = true;
    sound_wake().interrupt();
    thread_.join();
}

} // namespace lum
