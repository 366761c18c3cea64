#pragma once

namespace lum {

// Adds a step that the run wrapper runs when the application has ended: the
// parts that start a library (the window system, the picture library) register
// its release when they start it. Steps run in the order they were added.
void at_shutdown(void (*step)());

// Runs and forgets every registered step.
void run_shutdown_steps();

} // namespace lum
