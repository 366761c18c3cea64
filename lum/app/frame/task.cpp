#include "lum/app/frame/task.hpp"

#include "lum/app/frame/signals.hpp"

namespace lum {

void Task::die() {
    running = false;
    throw UserDieExceptionType::SIGNAL;
}

ZeroTask& zero_task() {
    static ZeroTask task;
    return task;
}

} // namespace lum
