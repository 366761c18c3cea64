#include "support/frame_fixture.hpp"

#include "lum/app/frame/guarded_call.hpp"
#include "lum/app/frame/signals.hpp"
#include "lum/error/exception.hpp"

#include <string>

using namespace lum;
using namespace lum::test;

namespace lum::test {

// A task whose step throws what the test gives it.
class Thrower : public Task {
  public:
    std::function<void()> step;
    void begin() override { step(); }
    void user() override { step(); }
};

struct Unrelated {};

} // namespace lum::test

namespace {

std::string report_of(Task& task, CallType type) {
    testing::internal::CaptureStderr();
    bool closed = false;
    try {
        invoke(task, type);
    } catch (WindowCloseExceptionType) {
        closed = true;
    }
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(closed) << "a reported failure must become a window close";
    return err;
}

} // namespace

TEST_F(FrameTest, AFailingStepIsReportedByTypeAndValueThenClosesTheWindow) {
    struct Case {
        CallType type;
        std::function<void()> step;
        const char* report;
    };
    const Case cases[] = {
        {User, [] { throw 42; }, "int=42"},
        {Begin, [] { throw FileOpenException(); }, "Halvane Exception=FileOpenException例外です。"},
        {User, [] { throw "no pad"; }, "string=no pad"},
        {User, [] { throw std::string("no pad"); }, "string=no pad"},
        {User, [] { throw Unrelated(); }, "(...)=..."},
        {User, [] { throw 2.5; }, "double=2.50"},
        {User, [] { throw 7u; }, "uint=7"},
        {User, [] { throw true; }, "boolean=true"},
    };
    for (const Case& c : cases) {
        Thrower task;
        task.step = c.step;
        std::string step = c.type == Begin ? "begin()" : "user()";
        EXPECT_EQ(report_of(task, c.type), "[information] Fault: Runtime Execption in lum::test::Thrower::" +
                                               step + "\n\n" + c.report + "\n");
    }
}

TEST_F(FrameTest, SignalsPassThroughInvokeUnreported) {
    Thrower task;
    testing::internal::CaptureStderr();
    task.step = [] { throw SoftwareResetExceptionType::SIGNAL; };
    EXPECT_THROW(invoke(task, User), SoftwareResetExceptionType);
    task.step = [] { throw HardwareResetExceptionType::SIGNAL; };
    EXPECT_THROW(invoke(task, User), HardwareResetExceptionType);
    task.step = [&] { task.die(); };
    EXPECT_THROW(invoke(task, User), UserDieExceptionType);
    task.step = [] { throw WindowCloseExceptionType::SIGNAL; };
    EXPECT_THROW(invoke(task, User), WindowCloseExceptionType);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(FrameTest, WhilePausedTheUserStepIsNotCalled) {
    Thrower task;
    int calls = 0;
    task.step = [&] { ++calls; };
    frame_state().paused = true;
    invoke(task, User);
    invoke(task, Begin);
    EXPECT_EQ(calls, 1);
}

TEST(CallType, DisplayNames) {
    EXPECT_STREQ(call_type_name(Begin), "begin()");
    EXPECT_STREQ(call_type_name(End), "end()");
    EXPECT_STREQ(call_type_name(User), "user()");
    EXPECT_STREQ(call_type_name(Paint), "paint()");
    EXPECT_STREQ(call_type_name(4), "(UNKNOWN-CALLTYPE)");
}
