#include "support/run_process.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using lum::run_process;
using lum::RunResult;

namespace {

RunResult lumtool(std::vector<std::string> args) {
    args.insert(args.begin(), LUM_LUMTOOL_PATH);
    return run_process(args);
}

// Checks a successful run that printed exactly want on standard output.
void expect_output(const std::vector<std::string>& args, const std::string& want) {
    RunResult r = lumtool(args);
    EXPECT_EQ(r.exit_status, 0) << args[0];
    EXPECT_EQ(r.stdout_text, want) << args[0];
    EXPECT_EQ(r.stderr_text, "") << args[0];
}

// Checks a usage error: status 2, nothing on standard output, one line on
// standard error that mentions what.
void expect_usage_error(const std::vector<std::string>& args, const std::string& what) {
    RunResult r = lumtool(args);
    std::string call = args.empty() ? "(none)" : args[0] + (args.size() > 1 ? " " + args[1] : "");
    EXPECT_EQ(r.exit_status, 2) << call;
    EXPECT_EQ(r.stdout_text, "") << call;
    EXPECT_EQ(r.stderr_text.rfind("lumtool: ", 0), 0u) << r.stderr_text;
    EXPECT_EQ(std::count(r.stderr_text.begin(), r.stderr_text.end(), '\n'), 1) << r.stderr_text;
    EXPECT_NE(r.stderr_text.find(what), std::string::npos) << r.stderr_text;
}

} // namespace

TEST(RunProcess, SeparatesTheStreamsAndReportsTheStatus) {
    RunResult r = run_process({"/bin/sh", "-c", "cat; echo err >&2; exit 3"}, "piped in\n");
    EXPECT_EQ(r.exit_status, 3);
    EXPECT_EQ(r.stdout_text, "piped in\n");
    EXPECT_EQ(r.stderr_text, "err\n");

    // More than a pipe's buffer on both streams at once must not deadlock.
    r = run_process({"/bin/sh", "-c", "head -c 200000 /dev/zero; head -c 200000 /dev/zero >&2"});
    EXPECT_EQ(r.stdout_text.size(), 200000u);
    EXPECT_EQ(r.stderr_text.size(), 200000u);

    r = run_process({"/nonexistent/program"});
    EXPECT_EQ(r.exit_status, 127);
}

TEST(LumtoolText, HelpListsTheTextCommands) {
    RunResult r = lumtool({"--help"});
    EXPECT_EQ(r.exit_status, 0);
    EXPECT_EQ(r.stderr_text, "");
    for (const char* synopsis :
         {"format PATTERN [TYPE:VALUE...]", "nth N", "plural WORD", "romaji [--upper] TEXT"})
        EXPECT_NE(r.stdout_text.find(synopsis), std::string::npos) << synopsis;
}

TEST(LumtoolText, VersionIsTheProjectsVersion) {
    RunResult r = lumtool({"--version"});
    EXPECT_EQ(r.exit_status, 0);
    EXPECT_EQ(r.stdout_text, std::string("lumtool ") + LUM_PROJECT_VERSION + "\n");
    EXPECT_EQ(r.stderr_text, "");
}

TEST(LumtoolText, UnknownOrMissingCommandExitsWithStatus2) {
    RunResult r = lumtool({"frobnicate"});
    EXPECT_EQ(r.exit_status, 2);
    EXPECT_EQ(r.stdout_text, "");
    EXPECT_EQ(r.stderr_text, "lumtool: unknown command 'frobnicate' (try 'lumtool --help')\n");

    r = lumtool({});
    EXPECT_EQ(r.exit_status, 2);
    EXPECT_EQ(r.stdout_text, "");
}

TEST(LumtoolText, FormatPrintsThePatternWithItsArguments) {
    expect_output({"format", "PHYS{0:D2} -> LOGI[{1:b24}]", "i:3", "u:4"},
                  "PHYS03 -> LOGI[" + std::string(21, '.') + "2..]\n");
    expect_output(
        {"format", "{0}|{1}|{2}|{3}|{4}|{5}", "i:-0x10", "u:0xFF", "d:2.5", "b:true", "c:é", "s:漢字"},
        "-16|255|2.50|true|é|漢字\n");
    expect_output({"format", "{0} {1's}", "i:2", "s:core"}, "2 cores\n");
    expect_output({"format", "{0}/{1}", "i:-9223372036854775808", "u:18446744073709551615"},
                  "-9223372036854775808/18446744073709551615\n");
    expect_output({"format", "{0:F3}|{1}|{2,4}", "d:-1e-3", "b:false", "s:"}, "-0.001|false|    \n");
    expect_output({"format", "{0:X}", "s:0x1f"}, "1F\n");
    // Without arguments every placeholder overflows.
    expect_output({"format", "plain {{text}}"}, "plain {text}\n");
    expect_output({"format", "a{0}b"}, "a[Overflow]\n");
    expect_output({"format", "ab{0:Q}cd", "i:1"}, "ab[Err:Q]\n");
}

TEST(LumtoolText, NthPluralAndRomajiPrintOneLine) {
    expect_output({"nth", "22"}, "22nd\n");
    expect_output({"nth", "112"}, "112nd\n");
    expect_output({"nth", "13"}, "13th\n");
    expect_output({"plural", "box"}, "boxes\n");
    expect_output({"plural", "AXIS"}, "AXES\n");
    expect_output({"plural", "sheep"}, "sheep\n");
    expect_output({"romaji", "ひらがな"}, "hiragana\n");
    expect_output({"romaji", "--upper", "カタカーナ"}, "KATAKAANA\n");

    RunResult r = lumtool({"nth", "-4"});
    EXPECT_EQ(r.exit_status, 0);
    EXPECT_EQ(r.stdout_text, "\n");
    EXPECT_NE(r.stderr_text.find("[lum.runtime.warning String::nth] Invalid parameter (n=-4)\n"),
              std::string::npos);
}

TEST(LumtoolText, MalformedArgumentsAreUsageErrors) {
    expect_usage_error({"format"}, "PATTERN");
    expect_usage_error({"format", "{0}", "x:1"}, "unknown type 'x'");
    expect_usage_error({"format", "{0}", "42"}, "TYPE:VALUE");
    expect_usage_error({"format", "{0}", "i:abc"}, "'abc' is not a signed 64-bit integer");
    expect_usage_error({"format", "{0}", "i:9223372036854775808"}, "signed 64-bit");
    expect_usage_error({"format", "{0}", "i:12x"}, "signed 64-bit");
    expect_usage_error({"format", "{0}", "i:"}, "signed 64-bit");
    expect_usage_error({"format", "{0}", "u:-1"}, "unsigned 64-bit");
    expect_usage_error({"format", "{0}", "u:18446744073709551616"}, "unsigned 64-bit");
    expect_usage_error({"format", "{0}", "d:1.5.2"}, "not a number");
    expect_usage_error({"format", "{0}", "b:yes"}, "true or false");
    expect_usage_error({"format", "{0}", "c:ab"}, "exactly one character");
    expect_usage_error({"format", "{0}", "c:"}, "exactly one character");
    expect_usage_error({"format", "{0}", "i:1", "i:2", "i:3", "i:4", "i:5", "i:6", "i:7"}, "at most six");
    expect_usage_error({"nth"}, "one number");
    expect_usage_error({"nth", "1", "2"}, "one number");
    expect_usage_error({"nth", "first"}, "'first'");
    expect_usage_error({"nth", "2147483648"}, "32-bit");
    expect_usage_error({"plural"}, "one word");
    expect_usage_error({"romaji"}, "one text");
    expect_usage_error({"romaji", "--lower", "かな"}, "unknown option '--lower'");
}
