// The frame's input step with eight joypads of 40 inputs (4 axes, 32 buttons)
// and all 174 key codes bound, while a game is played and with everything held
// at once. The step must not allocate; the counter "allocations" reports the
// heap allocations per frame.

#include "lum/input/input_step.hpp"
#include "lum/platform/backend.hpp"
#include "lum/platform/scripted/scripted_backend.hpp"
#include "lum/platform/virtual_key.hpp"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>

namespace {

// Heap allocations made by the whole program so far.
size_t allocations = 0;

void* counted_allocation(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size) {
    return counted_allocation(size);
}
void* operator new[](std::size_t size) {
    return counted_allocation(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

constexpr int PADS = 8;
constexpr int AXES = 4;
constexpr int BUTTONS = 32;

// How much is held down while the frames run.
enum Load : int64_t {
    // A game being played: two keys, and per joypad one stick pushed and two buttons.
    PLAYING = 0,
    // Every input the keyboard reads and every joypad input at once.
    EVERYTHING = 1,
};

// A window, eight joypads of 40 inputs and a keyboard, every input bound.
struct Machine {
    lum::platform::ScriptedBackend backend;
    lum::InputFrame frame;

    Machine() {
        lum::platform::use_backend(&backend);
        backend.start_window_system();
        lum::platform::WindowRequest request;
        request.width = 512;
        request.height = 448;
        backend.open_window(request);
        for (int id = 0; id < PADS; ++id)
            backend.connect_joystick(id, "pad", AXES, BUTTONS);
        backend.set_mouse_position(100, 100);

        lum::Input& hub = lum::input();
        lum::enumerate_joypads(hub);
        for (int p = 0; p < PADS; ++p) {
            for (int i = 0; i < lum::JoypadState::MAX_INPUTS; ++i)
                hub.joypads[p].bindings[i] = {p, 1u << (i % lum::NAMED_BUTTON_COUNT + 1)};
        }
        for (int code = 0; code < lum::KEY_COUNT; ++code)
            hub.key_bindings[code] = {0, 1u << (code % lum::NAMED_BUTTON_COUNT + 1)};

        frame.screen_width = 256;
        frame.screen_height = 224;
        frame.viewport_width = 512;
        frame.viewport_height = 448;
        // Past the keyboard hold-off of the first focus, so the keyboard is read.
        for (int i = 0; i < 20; ++i)
            lum::run_input_step(frame);
    }
    ~Machine() {
        backend.stop_window_system();
        lum::platform::use_backend(nullptr);
    }

    void hold(Load load) {
        bool all = load == EVERYTHING;
        for (int id = 0; id < PADS; ++id) {
            for (int k = 0; k < AXES; ++k)
                backend.set_joystick_axis(id, k, all || k == 0 ? (k % 2 ? 1.0f : -1.0f) : 0.0f);
            for (int j = 0; j < BUTTONS; ++j)
                backend.set_joystick_button(id, j, all || j < 2);
        }
        for (int vk = 1; vk < 256; ++vk) {
            if (all || vk == lum::platform::VK_LEFT || vk == lum::platform::VK_Z)
                backend.key_down(vk);
            else
                backend.key_up(vk);
        }
        backend.poll_events();
    }
};

Machine& machine(const benchmark::State& state) {
    static Machine m;
    m.hold(static_cast<Load>(state.range(0)));
    return m;
}

void report_allocations(benchmark::State& state, size_t before) {
    state.counters["allocations"] =
        benchmark::Counter(static_cast<double>(allocations - before), benchmark::Counter::kAvgIterations);
}

// The frame's whole input step: focus, keyboard, joypads, mouse.
void BM_InputStep(benchmark::State& state) {
    Machine& m = machine(state);
    size_t before = allocations;
    for (auto _ : state)
        lum::run_input_step(m.frame);
    report_allocations(state, before);
}
BENCHMARK(BM_InputStep)->ArgName("everything")->Arg(PLAYING)->Arg(EVERYTHING);

// The per-frame update of the hub alone: keys and joypads through their bindings.
void BM_UpdateInput(benchmark::State& state) {
    machine(state);
    lum::poll_keyboard(lum::keyboard_state(), true);
    size_t before = allocations;
    for (auto _ : state)
        lum::update_input(lum::input(), lum::keyboard_state(), true);
    report_allocations(state, before);
}
BENCHMARK(BM_UpdateInput)->ArgName("everything")->Arg(PLAYING)->Arg(EVERYTHING);

void BM_PollKeyboard(benchmark::State& state) {
    machine(state);
    size_t before = allocations;
    for (auto _ : state)
        lum::poll_keyboard(lum::keyboard_state(), true);
    report_allocations(state, before);
}
BENCHMARK(BM_PollKeyboard)->ArgName("everything")->Arg(PLAYING)->Arg(EVERYTHING);

} // namespace

BENCHMARK_MAIN();
