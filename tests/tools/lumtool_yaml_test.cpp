#include "support/run_process.hpp"
#include "support/samples.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using lum::run_process;
using lum::RunResult;
using lum::test::input_sample;
using lum::test::sample_path;
using lum::test::TempFolder;

namespace {

RunResult lumtool_yaml(const std::vector<std::string>& args) {
    std::vector<std::string> argv = {LUM_LUMTOOL_PATH, "yaml"};
    argv.insert(argv.end(), args.begin(), args.end());
    return run_process(argv);
}

// A failure: status 1, nothing on standard output, one line on standard error
// that names the file and mentions what.
void expect_failure(const RunResult& r, const std::string& file, const std::string& what) {
    EXPECT_EQ(r.exit_status, 1);
    EXPECT_EQ(r.stdout_text, "");
    EXPECT_EQ(std::count(r.stderr_text.begin(), r.stderr_text.end(), '\n'), 1) << r.stderr_text;
    EXPECT_EQ(r.stderr_text.rfind("lumtool: ", 0), 0u) << r.stderr_text;
    EXPECT_NE(r.stderr_text.find(file), std::string::npos) << r.stderr_text;
    EXPECT_NE(r.stderr_text.find(what), std::string::npos) << r.stderr_text;
}

} // namespace

TEST(LumtoolYaml, PrintsTheEngineBlockFormOfEachSample) {
    std::string keyboard = input_sample("keyboard_default.yaml");
    for (const char* name :
         {"input/keyboard_default.yaml", "data/keyboard_crlf.yaml", "data/keyboard_other_writer.yaml"}) {
        RunResult r = lumtool_yaml({sample_path(name)});
        EXPECT_EQ(r.exit_status, 0) << name;
        EXPECT_EQ(r.stdout_text, keyboard) << name;
        EXPECT_EQ(r.stderr_text, "") << name;
    }
    RunResult joypad = lumtool_yaml({sample_path("input/joypad0.yaml")});
    EXPECT_EQ(joypad.stdout_text, input_sample("joypad0.yaml"));
}

TEST(LumtoolYaml, ReadsSectionFilesAndAnEmptyDocument) {
    TempFolder dir;
    RunResult r = lumtool_yaml({dir.write("a.ini", "[win dow]\nwidth = 640\n[x.y]\nk: \"v\"\n")});
    EXPECT_EQ(r.exit_status, 0);
    EXPECT_EQ(r.stdout_text, "win dow: \n  width: 640\nx: \n  y: \n    k: \"\\\"v\\\"\"\n");
    r = lumtool_yaml({dir.write("empty.yaml", "")});
    EXPECT_EQ(r.exit_status, 0);
    EXPECT_EQ(r.stdout_text, "\n");
}

TEST(LumtoolYaml, FailuresNameTheFileAndExitWithStatusOne) {
    TempFolder dir;
    std::string missing = dir.file("lumtool_yaml_no_such_file.yaml");
    expect_failure(lumtool_yaml({missing}), "lumtool_yaml_no_such_file.yaml", "No such file or directory");

    std::string broken = dir.write("broken.yaml", "a: 1\nb: [x, y\nc: 3\n");
    expect_failure(lumtool_yaml({broken}), broken, "line ");

    std::string deep = dir.write("deep.yaml", "key: " + std::string(300, '[') + std::string(300, ']'));
    expect_failure(lumtool_yaml({deep}), deep, "256");

    expect_failure(lumtool_yaml({dir.path().string()}), dir.path().string(), "Is a directory");
}

TEST(LumtoolYaml, FailuresSayWhereLibyamlStoppedAndNameTheFileOnce) {
    TempFolder dir;
    std::string bad = dir.write("c.yaml", "a: 1\nb: 2\nc: \"x\x01y\"\n");
    RunResult r = lumtool_yaml({bad});
    EXPECT_EQ(r.exit_status, 1);
    EXPECT_EQ(r.stdout_text, "");
    EXPECT_EQ(r.stderr_text,
              "lumtool: cannot parse '" + bad + "': line 3, column 6: control characters are not allowed\n");

    std::string broken = dir.write("broken.yaml", "a: 1\nb: [x, y\nc: 3\n");
    r = lumtool_yaml({broken});
    EXPECT_EQ(r.stderr_text,
              "lumtool: cannot parse '" + broken + "': line 3, column 2: did not find expected ',' or ']'\n");

    std::string missing = dir.path().string() + "/missing.yaml";
    r = lumtool_yaml({missing});
    EXPECT_EQ(r.stderr_text, "lumtool: cannot open '" + missing + "': No such file or directory\n");
}

TEST(LumtoolYaml, TheEngineWarningGoesToStandardErrorOnce) {
    TempFolder dir;
    RunResult r = lumtool_yaml({dir.write("w.ini", "[s]\nk=a\x85"
                                                   "b\n")});
    EXPECT_EQ(r.exit_status, 0);
    EXPECT_EQ(r.stdout_text, "s: \n  k: \"a\\x00\"\n");
    EXPECT_EQ(r.stderr_text, "[warning][utf8_fetch] Illegal utf-8 1st byte [0x85](Shift_JIS?)\n");
}

TEST(LumtoolYaml, UsageErrorsExitWithStatusTwo) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, std::vector<std::string>{"a", "b"}}) {
        RunResult r = lumtool_yaml(args);
        EXPECT_EQ(r.exit_status, 2);
        EXPECT_EQ(r.stdout_text, "");
        EXPECT_NE(r.stderr_text.find("usage: lumtool yaml FILE"), std::string::npos) << r.stderr_text;
    }
}
