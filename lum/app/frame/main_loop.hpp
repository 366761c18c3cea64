#pragma once

#include <cstdint>

namespace lum {

class Task;

// Runs task until it stops: begin, then frames with its user step while the
// window is active, then end. A task that clears running in begin is never
// looped. A window close passes on as WindowCloseExceptionType and skips end.
void run_task(Task& task);

// One frame: draw, poll events, present, then pad to 16 ms. When the window
// has closed, clears task.running and throws WindowCloseExceptionType. Tasks
// call it to wait inside one of their steps; such frames never run user().
void run_frame(Task& task);

// A frame without the window check: counts it, draws, polls events, presents
// and pads to 16 ms.
void run_frame_body();

// The drawing part of a frame, by the phase: the boot and reset frames clear
// the window; running frames run the key step (once per frame), paint every
// task into the screen target, put it on the window and add the notice.
void draw_frame();

// The frame clock: the platform's milliseconds with the top bit cleared, so
// differences stay right across the wrap of the top bit.
uint32_t frame_clock();

// Sleeps in 1 ms steps until 16 ms have passed since start (a frame_clock value).
void pad_frame(uint32_t start);

} // namespace lum
