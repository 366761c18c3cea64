#pragma once

#include "lum/app/frame/device_interface.hpp"

#include <cstdint>

namespace lum {

// Everything the engine shows runs as a task: the main loop calls begin() once,
// then paint() and user() every frame, and end() when the task stops. Tasks are
// owned by value by whoever creates them and never deleted through a Task
// pointer, hence the protected destructor.
class Task : public DeviceInterface {
  public:
    Task() = default;
    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;

    // A name for diagnostics; "Task" unless a task says otherwise.
    virtual const char* name() const { return "Task"; }
    virtual void begin() {}
    virtual void end() {}
    // The task's work for one frame; runs only while the window is active.
    virtual void user() {}
    // Draws the task into the current target (the application's screen).
    virtual void paint() {}
    // A source of the audio device's first group finished playing.
    virtual void on_group_a_finished(int32_t /*user_value*/) {}
    // A source of the second group finished playing.
    virtual void on_group_b_finished(int32_t /*user_value*/) {}

    // Ends the task at once from inside one of its steps: clears running and
    // throws UserDieExceptionType.
    [[noreturn]] void die();

    // Cleared to stop the task after the current pass of its loop.
    bool running = true;

  protected:
    ~Task() = default;
};

// The empty task: every step is the default. The frame runs it as the task a
// window close stops.
class ZeroTask final : public Task {};

// The shared empty task, created on first use with running set.
ZeroTask& zero_task();

} // namespace lum
