#include "lum/audio/sound_wake.hpp"

namespace lum {

void SoundWake::ring() {
    {
        // Under the lock, so a sleeper between its check and its wait cannot
        // miss the ring.
        std::lock_guard hold(lock_);
        count_.fetch_add(1, std::memory_order_acq_rel);
    }
    woken_.notify_all();
}

void SoundWake::interrupt() {
    { std::lock_guard hold(lock_); }
    woken_.notify_all();
}

void SoundWake::wait(uint64_t seen, const std::atomic<bool>& stop) {
    std::unique_lock hold(lock_);
    ++sleepers_;
    woken_.wait(hold, [&] { return count() != seen || stop.load(); });
    --sleepers_;
}

int SoundWake::sleepers() {
    std::lock_guard hold(lock_);
    return sleepers_;
}

SoundWake& sound_wake() {
    // Never destroyed: a sound thread may outlive the statics at exit.
    static SoundWake* wake = new SoundWake;
    return *wake;
}

} // namespace lum
