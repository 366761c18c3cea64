#include "support/frame_fixture.hpp"

#include "lum/app/frame/main_loop.hpp"

using namespace lum;
using namespace lum::test;

namespace {

// run_frame and run_task on their own, on an open scripted window in the running phase.
class MainLoop : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        open_window(512, 448);
        frame_state().phase = Running;
    }
};

} // namespace

TEST_F(MainLoop, AFrameIsPaddedToSixteenMillisecondsAndASlowOneIsNot) {
    struct Case {
        uint32_t start, paint_ms;
        uint64_t slept;
    };
    // The clock's top bit wraps at 0x80000000 and the whole value at 2^32; the
    // frame clock drops the top bit, so both must pad like any other frame.
    const Case cases[] = {{1000, 3, 13}, {1000, 40, 0},        {1000, 16, 0},
                          {1000, 15, 1}, {0x7FFFFFF8u, 3, 13}, {0xFFFFFFF8u, 3, 13}};
    ScriptedApp painter;
    frame_state().task_stack = {&painter};
    for (const Case& c : cases) {
        backend.set_time(c.start);
        painter.on_paint = [&] { backend.advance(c.paint_ms); };
        uint64_t before = backend.slept();
        run_frame(zero_task());
        EXPECT_EQ(backend.slept() - before, c.slept) << "start " << c.start << ", paint " << c.paint_ms;
    }
}

TEST_F(MainLoop, PaintingComesBeforePollAndSwapOldestFirstAndUserAfterTheFrame) {
    ScriptedApp outer, inner;
    std::vector<std::string> log;
    auto note = [&](const char* what) {
        log.push_back(what + (" " + std::to_string(backend.poll_count())) + "/" +
                      std::to_string(backend.swap_count()));
    };
    outer.on_paint = [&] { note("outer.paint"); };
    inner.on_paint = [&] { note("inner.paint"); };
    inner.on_user = [&] { note("inner.user"), inner.running = false; };
    outer.on_user = [&] {
        note("outer.user");
        if (outer.users == 1)
            run_task(inner);
        else
            outer.running = false;
    };
    run_task(outer);
    // Frame n paints after n - 1 polls and swaps; user() sees n of each.
    EXPECT_EQ(log, (std::vector<std::string>{"outer.paint 0/0", "outer.user 1/1", "outer.paint 1/1",
                                             "inner.paint 1/1", "inner.user 2/2", "outer.paint 2/2",
                                             "outer.user 3/3"}));
    EXPECT_TRUE(frame_state().task_stack.empty());
}

TEST_F(MainLoop, UserRunsOnlyWhileTheWindowIsActiveWhileFramesGoOn) {
    ScriptedApp task;
    int inactive_frames = 0;
    task.at(5, [&] { backend.set_active(false); });
    task.at(6, [&] { task.running = false; });
    task.on_paint = [&] {
        if (!platform::window_active() && ++inactive_frames == 10)
            backend.set_active(true);
    };
    run_task(task);
    EXPECT_EQ(task.users, 6);
    EXPECT_EQ(inactive_frames, 10);
    EXPECT_EQ(backend.swap_count(), 16);
}

TEST_F(MainLoop, ATaskThatStopsInBeginIsNeverLoopedButEnds) {
    ScriptedApp task;
    task.on_begin = [&] { task.running = false; };
    run_task(task);
    EXPECT_EQ(task.ends, 1);
    EXPECT_EQ(backend.poll_count(), 0);
}

TEST_F(MainLoop, DieFromBeginEndsOnlyThatTaskAndLeavesTheOuterOneOnTheStack) {
    ScriptedApp outer, inner;
    inner.on_begin = [&] { inner.die(); };
    std::vector<Task*> stack_after_inner;
    outer.on_user = [&] {
        run_task(inner);
        stack_after_inner = frame_state().task_stack;
        outer.die();
    };
    run_task(outer);
    EXPECT_EQ(inner.ends, 1);
    EXPECT_EQ(inner.paints, 0);
    EXPECT_EQ(stack_after_inner, std::vector<Task*>{&outer});
    EXPECT_TRUE(frame_state().task_stack.empty());
}

TEST_F(MainLoop, AKeyTappedInThePollOfAResizeReachesTheNextUserStep) {
    // The size handler redraws inside the poll; that redraw must not read the
    // keys, or the tap would be gone before any user() step saw it.
    platform::set_window_size_handler(on_window_size);
    ScriptedApp task;
    bool seen = false;
    task.at(20, [&] { backend.tap_key(platform::VK_A), backend.resize(600, 500); });
    task.on_user = [&] {
        seen = seen || keyboard_state().keys['a'].pressed;
        task.running = task.users < 25;
    };
    run_task(task);
    EXPECT_TRUE(seen);
    EXPECT_EQ(renderer().window_width, 600);
    EXPECT_EQ(renderer().window_height, 500);
}
