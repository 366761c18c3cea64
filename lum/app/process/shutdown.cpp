#include "lum/app/process/shutdown.hpp"

#include <vector>

namespace lum {

namespace {
std::vector<void (*)()>& steps() {
    static std::vector<void (*)()> list;
    return list;
}
} // namespace

void at_shutdown(void (*step)()) {
    for (auto s : steps())
        if (s == step)
            return;
    steps().push_back(step);
}

void run_shutdown_steps() {
    auto list = std::move(steps());
    steps().clear();
    for (auto step : list)
        step();
}

} // namespace lum
