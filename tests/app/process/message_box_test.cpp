#include "lum/app/process/message_box.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace lum;

namespace {

struct Shown {
    MessageResult result;
    std::string stderr_text;
};

Shown show(const char* answer, int icon, const char* text, int buttons, const char* caption) {
    setenv("LUM_MESSAGE_BOX", answer, 1);
    testing::internal::CaptureStderr();
    MessageResult r = message_box(icon, String(text), buttons, String(caption));
    return {r, testing::internal::GetCapturedStderr()};
}

} // namespace

TEST(MessageBox, EmptyTextShowsTheCaptionAsTextUnderAnEmptyTitle) {
    Shown s = show("no", Warning, "", YesNo, "Save bindings?");
    EXPECT_EQ(s.result, MessageResult::No);
    EXPECT_EQ(s.stderr_text, "[warning] : Save bindings?\n");
}

TEST(MessageBox, UnknownIconAndButtonsGiveErrorAndOk) {
    Shown s = show("cancel", 7, "text", 9, "Title");
    EXPECT_EQ(s.result, MessageResult::Ok); // a single OK button offers no Cancel
    EXPECT_EQ(s.stderr_text, "[error] Title: text\n");
}

TEST(MessageBox, ButtonSetsMapToTheirResults) {
    EXPECT_EQ(show("cancel", Info, "t", OkCancel, "c").result, MessageResult::Cancel);
    EXPECT_EQ(show("ok", Info, "t", OkCancel, "c").result, MessageResult::Ok);
    EXPECT_EQ(show("yes", Notice, "t", YesNoCancel, "c").result, MessageResult::Yes);
    EXPECT_EQ(show("cancel", Notice, "t", YesNoCancel, "c").result, MessageResult::Cancel);
    EXPECT_EQ(show("NO", Error, "t", YesNo, "c").result, MessageResult::No);
    EXPECT_EQ(show("ok", Info, "t", 0, "c").result, MessageResult::Ok);
    EXPECT_EQ(show("ok", Notice, "t", Ok, "c").stderr_text, "[information] c: t\n");
}

TEST(MessageBox, FaultIsAnInformationBoxTitledFault) {
    setenv("LUM_MESSAGE_BOX", "ok", 1);
    testing::internal::CaptureStderr();
    fault(String("Init Audio...Fault"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "[information] Fault: Init Audio...Fault\n");
}
