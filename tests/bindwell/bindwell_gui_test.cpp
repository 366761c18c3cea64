#include "support/run_process.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The lines of text that begin with a three-digit record code.
std::vector<std::string> records_in(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::regex record("^[0-9]{3} .*");
    for (std::string line; std::getline(in, line);)
        if (std::regex_match(line, record))
            out.push_back(line);
    return out;
}

// One run of the real program in a fresh folder, driven by drive_bindwell.sh.
struct ProgramRun {
    // seed, when given, is the "Save/joypad.yaml" the run starts with.
    explicit ProgramRun(const std::string& scenario, const std::string& seed = "") {
        work = fs::temp_directory_path() /
               ("bindwell-" + scenario + "-" + std::to_string(std::random_device{}()));
        fs::remove_all(work);
        fs::create_directories(work / "Save");
        if (!seed.empty())
            std::ofstream(work / "Save" / "joypad.yaml", std::ios::binary) << seed;
        const fs::path source = fs::path(LUM_TEST_DATA_DIR).parent_path();
        fs::copy_file(source.parent_path() / "png", work / "png");
        driver =
            lum::run_process({"timeout", "60", "bash", (source / "bindwell" / "drive_bindwell.sh").string(),
                              LUM_BINDWELL_PATH, work.string(), scenario, LUM_WM_CLOSE_PATH});
        out = read_file(work / "out.txt");
        err = read_file(work / "err.txt");
    }
    ~ProgramRun() { fs::remove_all(work); }

    std::string context() const { return driver.stdout_text + driver.stderr_text + out + err; }

    fs::path work;
    lum::RunResult driver;
    std::string out;
    std::string err;
};

const std::string data(const char* name) {
    return read_file(fs::path(LUM_TEST_DATA_DIR) / "input" / name);
}

} // namespace

TEST(BindwellProgram, ConfiguresAJoypadSavesTheDesignedDocumentAndQuitsInOrder) {
    ProgramRun run("configure");
    ASSERT_NE(run.driver.stdout_text.find("status 0"), std::string::npos) << run.context();
    EXPECT_NE(run.driver.stdout_text.find("geometry 512x448"), std::string::npos) << run.context();

    std::regex summary("(^|\n)([0-9]+) of \\2 test passed \\(0 errors\\)");
    EXPECT_EQ(
        std::distance(std::sregex_iterator(run.out.begin(), run.out.end(), summary), std::sregex_iterator()),
        6)
        << run.out;
    EXPECT_EQ(records_in(run.out),
              (std::vector<std::string>{"100 Begin Program", "850 Normal Exit", "888 Audio monitor kill",
                                        "888 Audio monitor terminated"}))
        << run.out;
    ASSERT_GE(run.err.size(), 19u);
    EXPECT_EQ(run.err.substr(run.err.size() - 19), "999 LUM TERMINATED\n");

    EXPECT_EQ(read_file(run.work / "Save" / "joypad.yaml"), data("joypad0.yaml"));
    EXPECT_EQ(read_file(run.work / "Save" / "keyboard.yaml"), data("keyboard_default.yaml"));
    EXPECT_NE(run.out.find("[SAVE] PHYS[12] -> LOGI[1]"), std::string::npos) << run.out;

    int shots = 0;
    for (const auto& entry : fs::directory_iterator(run.work / "home" / "Desktop")) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(std::regex_match(name, std::regex("halvane-screenshot-[0-9]{8}-[0-9]{6}\\.png"))) << name;
        // The PNG header's size fields: 256 x 224.
        const std::string png = read_file(entry.path());
        ASSERT_GE(png.size(), 24u);
        EXPECT_EQ(png.substr(16, 8), std::string("\0\0\1\0\0\0\0\xe0", 8));
        ++shots;
    }
    EXPECT_EQ(shots, 1);
}

TEST(BindwellProgram, ANewRunReadsTheSavedBindingsAtStart) {
    ProgramRun run("quit", data("joypad0.yaml"));
    ASSERT_NE(run.driver.stdout_text.find("status 0"), std::string::npos) << run.context();
    // Input 12 drives LEFT (logical 1), input 9 START (logical 15).
    EXPECT_NE(run.out.find("PHYS12 -> LOGI[......................1.]\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("PHYS09 -> LOGI[........5...............]\n"), std::string::npos) << run.out;
}

TEST(BindwellProgram, AStickAnswersAPromptAndSpaceSkipsTheRest) {
    ProgramRun run("axis");
    ASSERT_NE(run.driver.stdout_text.find("status 0"), std::string::npos) << run.context();
    // Axis 1 pushed below half way is physical input 2; only LEFT is bound.
    EXPECT_EQ(read_file(run.work / "Save" / "joypad.yaml"), "Joypad0: \n  Left: \n    - 2\n");
}

TEST(BindwellProgram, EscapeAbortsWithoutAFileAndAWindowManagerCloseEndsIt) {
    ProgramRun run("close");
    EXPECT_NE(run.driver.stdout_text.find("running after escape"), std::string::npos) << run.context();
    EXPECT_FALSE(fs::exists(run.work / "Save" / "joypad.yaml"));
    EXPECT_EQ(records_in(run.out),
              (std::vector<std::string>{"100 Begin Program", "851 Terminate with Window Close",
                                        "888 Audio monitor kill", "888 Audio monitor terminated"}))
        << run.out;
}

TEST(BindwellProgram, AForcedOpenGlErrorNamesEveryFramebufferFunction) {
    lum::RunResult r = lum::run_process(
        {"env", "LUM_MESSAGE_BOX=ok", "ALSOFT_DRIVERS=null", LUM_BINDWELL_PATH, "--force-opengl-error"});
    EXPECT_NE(r.exit_status, 0);
    for (const char* name :
         {"glGenFramebuffers", "glCheckFramebufferStatus", "glGenerateMipmap", "glRenderbufferStorage"})
        EXPECT_NE(r.stderr_text.find(name), std::string::npos) << name << "\n" << r.stderr_text;
}

TEST(BindwellProgram, EscapeAtTheFifthPromptSavesNothing) {
    ProgramRun run("escape");
    ASSERT_NE(run.driver.stdout_text.find("status 0"), std::string::npos) << run.context();
    EXPECT_FALSE(fs::exists(run.work / "Save" / "joypad.yaml"));
    EXPECT_EQ(run.out.find("[SAVE]"), std::string::npos) << run.out;
}

TEST(BindwellProgram, ASaveThatCannotBeWrittenSaysSo) {
    // A folder stands where the document would go, so it cannot be replaced.
    ProgramRun run("savefail");
    ASSERT_NE(run.driver.stdout_text.find("status 0"), std::string::npos) << run.context();
    EXPECT_EQ(run.out.find("CONFIG SAVED!"), std::string::npos) << run.out;
    EXPECT_TRUE(fs::is_directory(run.work / "Save" / "joypad.yaml"));
}
