#pragma once

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

// The present step of every frame, without the window check: counts the
// frame, draws it (draw_frame; then, when shown is given, paints that task into
// the screen target and puts the target on the window, as the boot frames
// would not), polls events, presents, writes the first-frame stamp and pads
// to 16 ms.
void present_frame(Task* shown = nullptr);

// The drawing part of a frame, by the phase: the boot and reset frames clear
// the window; running frames run the key step (once per frame), paint every
// task into the screen target, put it on the window and add the notice.
void draw_frame();

} // namespace lum
