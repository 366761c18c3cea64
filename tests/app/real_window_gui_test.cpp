#include "frame_fixture.hpp"
#include "support/run_process.hpp"

#include <gtest/gtest.h>

#include <string>

using namespace lum::test;

namespace {

// Starts the demo on the display, finds its window by title, prints the
// window's name and size, and waits for the demo; its streams go to files.
const char* const WATCH_DEMO = R"sh(
out=$(mktemp) err=$(mktemp)
LUM_MESSAGE_BOX=ok ALSOFT_DRIVERS=null "$0" --frames "$1" >"$out" 2>"$err" & pid=$!
id=
for i in $(seq 1 200); do
    id=$(xdotool search --name '^Frame Demo$' 2>/dev/null | head -n 1)
    [ -n "$id" ] && break
    sleep 0.02
done
if [ -n "$id" ]; then
    echo "name $(xdotool getwindowname "$id")"
    xdotool getwindowgeometry "$id" | sed -n 's/^ *Geometry: /size /p'
fi
wait $pid
echo "status $?"
echo "--- out"; cat "$out"; echo "--- err"; cat "$err"
rm -f "$out" "$err"
)sh";

std::string between(const std::string& text, const std::string& from, const std::string& to) {
    size_t a = text.find(from);
    if (a == std::string::npos)
        return "";
    a += from.size();
    return text.substr(a, text.find(to, a) - a);
}

} // namespace

TEST(RealWindow, AnAppOpensItsWindowRunsFramesAndEndsInOrder) {
    lum::RunResult r = lum::run_process({"sh", "-c", WATCH_DEMO, LUM_FRAME_DEMO_PATH, "120"});
    ASSERT_EQ(r.exit_status, 0) << r.stderr_text;
    const std::string& text = r.stdout_text;
    EXPECT_NE(text.find("name Frame Demo\n"), std::string::npos) << text;
    // A 256 x 224 screen at the default scale 2.
    EXPECT_NE(text.find("size 512x448\n"), std::string::npos) << text;
    EXPECT_NE(text.find("status 0\n"), std::string::npos) << text;
    std::string out = between(text, "--- out\n", "--- err\n");
    EXPECT_EQ(records_in(out),
              (std::vector<std::string>{"100 Begin Program", "850 Normal Exit", "888 Audio monitor kill",
                                        "888 Audio monitor terminated"}))
        << out;
    std::string err = text.substr(text.find("--- err\n") + 8);
    // One boot frame and the main task's frames up to its 120th user step.
    EXPECT_EQ(between(err, "frames ", "\n"), "121") << err;
    EXPECT_EQ(err.substr(err.size() - 19), "999 LUM TERMINATED\n");
}
