#include "support/frame_fixture.hpp"
#include "support/run_process.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

using namespace lum::test;

namespace {

// Starts the demo on the display, finds its window by title and prints the
// window's name and size; then either waits for the demo to end by itself
// ($1 = its frame count) or lets frames run and closes the window as a window
// manager would ($1 empty, $2 the closing program). The demo's streams follow.
const char* const WATCH_DEMO = R"sh(
out=$(mktemp) err=$(mktemp)
frames=$1 wm_close=${2:-}
if [ -n "$frames" ]; then set -- --frames "$frames"; else set --; fi
LUM_MESSAGE_BOX=ok ALSOFT_DRIVERS=null "$0" "$@" >"$out" 2>"$err" & pid=$!
id=
for i in $(seq 1 200); do
    id=$(xdotool search --name '^Frame Demo$' 2>/dev/null | head -n 1)
    [ -n "$id" ] && break
    sleep 0.02
done
if [ -n "$id" ]; then
    echo "name $(xdotool getwindowname "$id")"
    xdotool getwindowgeometry "$id" | sed -n 's/^ *Geometry: /size /p'
    if [ -n "$wm_close" ]; then
        sleep 0.5
        "$wm_close" "Frame Demo"
    fi
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

// The demo's run as the script reports it.
struct DemoRun {
    std::string text, out, err;
    explicit DemoRun(const std::vector<std::string>& args) {
        std::vector<std::string> argv = {"sh", "-c", WATCH_DEMO, LUM_FRAME_DEMO_PATH};
        argv.insert(argv.end(), args.begin(), args.end());
        lum::RunResult r = lum::run_process(argv);
        EXPECT_EQ(r.exit_status, 0) << r.stderr_text;
        text = r.stdout_text;
        out = between(text, "--- out\n", "--- err\n");
        size_t e = text.find("--- err\n");
        err = e == std::string::npos ? "" : text.substr(e + 8);
    }
    // Opened with the designed title and size: a 256 x 224 screen at the default scale 2.
    void expect_window() const {
        EXPECT_NE(text.find("name Frame Demo\n"), std::string::npos) << text;
        EXPECT_NE(text.find("size 512x448\n"), std::string::npos) << text;
        EXPECT_NE(text.find("status 0\n"), std::string::npos) << text;
        ASSERT_GE(err.size(), 19u) << err;
        EXPECT_EQ(err.substr(err.size() - 19), "999 LUM TERMINATED\n");
    }
};

TEST(RealWindow, AnAppOpensItsWindowRunsFramesAndEndsInOrder) {
    DemoRun run({"120"});
    run.expect_window();
    EXPECT_EQ(records_in(run.out),
              (std::vector<std::string>{"100 Begin Program", "850 Normal Exit", "888 Audio monitor kill",
                                        "888 Audio monitor terminated"}))
        << run.out;
    // One boot frame and the main task's frames up to its 120th user step.
    EXPECT_EQ(between(run.err, "frames ", "\n"), "121") << run.err;
}

#ifdef LUM_WM_CLOSE_PATH
TEST(RealWindow, AWindowManagerCloseEndsTheAppWithTheCloseRecords) {
    DemoRun run({"", LUM_WM_CLOSE_PATH});
    run.expect_window();
    EXPECT_EQ(records_in(run.out),
              (std::vector<std::string>{"100 Begin Program", "851 Terminate with Window Close",
                                        "888 Audio monitor kill", "888 Audio monitor terminated"}))
        << run.out;
    EXPECT_GT(std::stoi("0" + between(run.err, "frames ", "\n")), 10) << run.err;
}
#endif

TEST(RealWindow, FirstFrameStampsGiveOneLinePerPhaseInOrder) {
    setenv("LUM_FIRST_FRAME_STAMP", "1", 1);
    DemoRun run({"30"});
    unsetenv("LUM_FIRST_FRAME_STAMP");
    run.expect_window();
    const std::regex stamp("lum\\.first_frame phase=([a-z]+) epoch_us=([0-9]+)\n");
    std::vector<std::string> phases;
    std::vector<long long> times;
    for (std::sregex_iterator i(run.err.begin(), run.err.end(), stamp), end; i != end; ++i) {
        phases.push_back((*i)[1]);
        times.push_back(std::stoll((*i)[2]));
    }
    ASSERT_EQ(phases, (std::vector<std::string>{"booting", "running"})) << run.err;
    EXPECT_LE(times[0], times[1]);
}
