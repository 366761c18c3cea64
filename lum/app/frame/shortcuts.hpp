#pragma once

namespace lum {

// The frame's key step, once per frame in the running phase before any task
// is painted: the input step, then the frame's own shortcuts (window scale,
// screen mode, pause, screenshot, desktop window), each confirmed by a notice.
void frame_keys();

// Resizes the window to the screen size times s, s clamped to 0.25..4.
void set_window_scale(float s);

// Grows the window to the desktop size (only while input counts this frame),
// or returns it to the 1x size of the screen.
void toggle_desktop_window();

// Flips the pause flag and says "Pause" or "Resume".
void toggle_pause();

} // namespace lum
