#pragma once

#include <cstdint>

namespace lum {

// The state of one input (a logical button of a player, a key, a mouse button)
// across frames. The per-frame states sit in a 4-slot ring of history bits, so
// reading the previous frame needs no copy of the whole record. Each frame
// runs begin_frame, then hold for every source that holds it down, then
// finish_frame.
struct ButtonState {
    // Held in the current frame.
    uint8_t down = 0;
    // Went down in this frame, or an auto-repeat fired.
    uint8_t pressed = 0;
    // Went up in this frame.
    uint8_t released = 0;
    // Held in the previous frame (auto-repeat clears it to fire pressed again).
    uint8_t previous = 0;
    // Bit (slot mod 4) holds the state of the frame that slot counts.
    uint32_t history = 0;
    uint32_t slot = 0;
    // Frames held before the first repeat, and between repeats (0: none).
    uint8_t repeat_delay = 0;
    uint8_t repeat_interval = 0;
    // Frames, after the first, that the input has stayed down without a break.
    uint32_t repeat_count = 0;

    // Remembers this frame's state as the previous one and starts a new frame, up.
    void begin_frame() {
        previous = current_bit();
        ++slot;
        history &= ~bit(slot);
    }

    // Marks the input down in the current frame; sources combine as a logical OR.
    void hold() { history |= bit(slot); }

    // Marks the input down or up in the current frame.
    void set(bool is_down) {
        if (is_down)
            hold();
        else
            history &= ~bit(slot);
    }

    // True while the current frame's history bit is set.
    bool held() const { return current_bit() != 0; }

    // Derives down, pressed and released from the history, firing auto-repeat.
    void finish_frame() {
        if (repeat_interval != 0 && current_bit() && (history & bit(slot - 1)) != 0) {
            if (repeat_fires())
                previous = 0;
        } else {
            repeat_count = 0;
        }
        down = current_bit();
        pressed = down && !previous;
        released = !down && previous;
    }

    // Runs a whole frame in which the input is held or not: begin_frame, hold
    // when is_down, finish_frame. Kept in locals, as the byte stores would
    // otherwise make the compiler reload the history after each one.
    void step(bool is_down) {
        const uint32_t s = slot + 1;
        const uint32_t h = history;
        const uint32_t d = is_down ? 1u : 0u;
        if ((h | d) == 0) {
            // Up now and in the four frames the ring remembers: only the ring moves on.
            slot = s;
            repeat_count = 0;
            previous = down = pressed = released = 0;
            return;
        }
        uint32_t was_down = (h >> ((s - 1) & 3u)) & 1u;
        history = (h & ~bit(s)) | (d << (s & 3u));
        slot = s;
        // Held in both frames: the slot of the previous frame is was_down's.
        if (repeat_interval != 0 && (d & was_down) != 0)
            was_down = repeat_fires() ? 0u : 1u;
        else
            repeat_count = 0;
        previous = static_cast<uint8_t>(was_down);
        down = static_cast<uint8_t>(d);
        pressed = static_cast<uint8_t>(d & ~was_down);
        released = static_cast<uint8_t>(was_down & ~d);
    }

    // A held input fires pressed again after delay frames, then every interval
    // frames; an interval of 0 turns auto-repeat off.
    void set_repeat(uint8_t delay, uint8_t interval) {
        repeat_delay = delay;
        repeat_interval = interval;
    }

  private:
    // Counts one more held frame; true when auto-repeat fires in it.
    bool repeat_fires() {
        ++repeat_count;
        return repeat_count >= repeat_delay && (repeat_count - repeat_delay) % repeat_interval == 0;
    }
    static uint32_t bit(uint32_t s) { return 1u << (s & 3u); }
    uint8_t current_bit() const { return (history & bit(slot)) != 0 ? 1 : 0; }
};

} // namespace lum
