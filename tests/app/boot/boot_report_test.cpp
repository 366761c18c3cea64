#include "lum/app/boot/boot_report.hpp"

#include "lum/error/exception.hpp"
#include "support/text_rows.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace lum;

namespace {

// A text canvas that draws nothing: the report is read from the cells.
class NoCanvas : public TextCanvas {
  public:
    void create(RenderTarget&, int32_t, int32_t) override {}
    void release(RenderTarget&) override {}
    void clear(RenderTarget&) override {}
    void begin(RenderTarget&) override {}
    void fill(const Rect&) override {}
    void glyph(const Charset&, uint32_t, int32_t, int32_t, int32_t, int32_t, const RGBA&, int32_t) override {}
    void end(RenderTarget&) override {}
};

std::string row_text(const BootScreen& screen, int32_t row) {
    return test::row_text(screen.text_screen(), row);
}

std::vector<std::string> screen_lines(const BootScreen& screen) {
    std::vector<std::string> lines;
    for (int32_t row = 0; row < screen.text_screen().rows(); ++row)
        lines.push_back(row_text(screen, row));
    return lines;
}

SystemProfile sample_profile() {
    SystemProfile p;
    p.cpu_name = String("Test CPU 3000");
    p.cpu_logical_cores = 4;
    p.cpu_features = 0x1FFF;
    p.cpu_l1_code_kb = 32;
    p.cpu_l1_data_kb = 48;
    p.cpu_l2_kb = 1280;
    p.cpu_l3_kb = 24576;
    p.cpu_family = 6;
    p.cpu_model = 151;
    p.cpu_stepping = 2;
    p.glfw_version = {3, 3, 8};
    p.freeimage_version = String("3.18.0");
    p.freetype_version = {2, 12, 1};
    p.memory_mb = 16384;
    p.device_kind = LINUX_PC;
    p.display_adapter = String("i915");
    p.architecture = String("x86-AMD64");
    p.machine_class = String("IBM-PC/AT Compatible");
    p.language_english_name = String("Japanese");
    p.system_name = String("Debian GNU/Linux 12 (bookworm)");
    p.os_major = 6;
    p.os_minor = 1;
    p.os_build = 0;
    p.platform_text = String("Linux x64");
    p.release_date = String("unknown");
    p.build_info = String("Linux 6.1.0 #1 SMP (x64)");
    p.build_version = String("0");
    p.user_hash = 4000000000u;
    p.monitor_count = 1;
    set_keyboard_facts(p, 4);
    return p;
}

class BootReportTest : public testing::Test {
  protected:
    void SetUp() override {
        screen.cover(640, 480);
        report.profile = &profile;
        report.facts.graphics = [] {
            GlInfo gl;
            gl.version = String("2.1 Mesa");
            gl.vendor = String("VendorCo");
            gl.renderer = String("SoftPipe");
            gl.shading_language_version = String("1.20");
            gl.max_lights = 8;
            gl.max_texture_size = 4096;
            return gl;
        };
        report.facts.display = [] { return DisplayFacts{1280, 1024, 24, 640, 480, 640, 480, 1280, 960}; };
        report.facts.audio = [] { return AudioChannels{2, 8}; };
        report.facts.joypads = [this] { return pads; };
        report.steps.libs.run = [this] { steps_run.push_back("Libs"); };
        report.steps.audio.run = [this] { steps_run.push_back("Audio"); };
        report.steps.joypad.run = [this] { steps_run.push_back("Joypad"); };
        report.halt = [this] { ++halts; };
    }

    // The rows of the Joypad section's lines, from the count line on.
    std::vector<std::string> joypad_lines() {
        std::vector<std::string> lines = screen_lines(screen);
        std::vector<std::string> out;
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i] != "Joypad")
                continue;
            for (size_t j = i + 1; j < lines.size() && lines[j] != "Keyboard"; ++j)
                out.push_back(lines[j]);
        }
        return out;
    }

    NoCanvas canvas;
    BootScreen screen{canvas};
    SystemProfile profile = sample_profile();
    BootReport report;
    std::vector<JoypadCounts> pads;
    std::vector<std::string> steps_run;
    int halts = 0;
};

TEST(BootScreen, CoversTheLogicalScreenWithEightPixelCells) {
    struct Case {
        int width, height, columns, rows;
    } cases[] = {
        {640, 480, 80, 60}, {256, 224, 32, 28}, {255, 15, 31, 1}, {4, 4, 1, 1}, {4000, 2400, 256, 256}};
    for (const Case& c : cases) {
        NoCanvas canvas;
        BootScreen screen(canvas);
        screen.cover(c.width, c.height);
        EXPECT_EQ(screen.text_screen().columns(), c.columns) << c.width;
        EXPECT_EQ(screen.text_screen().rows(), c.rows) << c.height;
    }
}

TEST(BootScreen, NewLineReturnsToItsMarginAndReportsLinesAndScrolls) {
    NoCanvas canvas;
    BootScreen screen(canvas);
    screen.cover(80, 24);
    int lines = 0, scrolls = 0;
    screen.line_callback = [&] { ++lines; };
    screen.scroll_callback = [&] { ++scrolls; };
    screen.left_margin = 2;
    screen.second_margin = 4;
    screen.print_line(String("a"));
    EXPECT_EQ(screen.column, 2);
    screen.new_line(Indent::SECOND_MARGIN);
    EXPECT_EQ(screen.column, 4);
    EXPECT_EQ(screen.row, 2);
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(scrolls, 0);
    screen.print_line(String("b"));
    EXPECT_EQ(scrolls, 1);
    EXPECT_EQ(screen.row, 2);
    screen.print_line(String("c"));
    EXPECT_EQ(scrolls, 2);
    EXPECT_EQ(screen_lines(screen), (std::vector<std::string>{"    b", "  c", ""}));
}

TEST_F(BootReportTest, WritesEveryLineInOrderWithItsIndentAndStyle) {
    EXPECT_TRUE(write_boot_report(screen, report));
    const std::vector<std::string> expected = {
        "lum 2D game engine",
        "Bootstrap loader, system check",
        "(c) the lum developers",
        "Halvane 0.1 Mar 30 2013",
        "",
        "CPU",
        "  CPU: Test CPU 3000, 4 cores",
        "  Family=6 Model=151 Stepping=2",
        "  HTT,MMX,SSE,SSE2,SSE3,SSE4.1,SSE4.2,SSE4A,MMX+,3DNow!,3DNow!+,AVX,AVX2",
        "  L1C 32KB, L1D 48KB",
        "  L2 1280KB, L3 24576KB",
        "Libraries",
        "  OpenGL    2.1 Mesa",
        "    Vendor  VendorCo",
        "    Vendor  SoftPipe",
        "    Shader  1.20",
        "    Lights  8",
        "    Texture 4096x4096",
        "  GLFW      3.3.8",
        "  FreeImage 3.18.0",
        "  FreeType  2.12.1",
        "System",
        "  16384MB RAM",
        "  Linux PC",
        "  i915",
        "  x86-AMD64",
        "  IBM-PC/AT Compatible",
        "  lang is Japanese",
        "Operating System",
        "  Debian GNU/Linux 12 (bookworm)",
        "  6.1.0",
        "  Linux x64",
        "  release date unknown",
        "  build info Linux 6.1.0 #1 SMP (x64)",
        "  build version 0",
        "  os revision 0",
        "  UserHash ID 4000000000",
        "Operating System",
        "  Screen 1280x1024x24",
        "   Monitor: 1",
        "    Client: 640x480",
        "  Viewport: 640x480",
        "    Window: 1280x960",
        "Audio",
        "  2 Music channels",
        "  8 Sound channels",
        "Joypad",
        "  0 joypad",
        "Keyboard",
        "    Name: Unknown Keyboard",
        "  Layout: US",
        "  12 function keys",
        "  numkeys uninstalled",
        "Halvane",
        "  60 system fonts installed",
        "",
        "",
        "Now loading initial resources...",
    };
    std::vector<std::string> lines = screen_lines(screen);
    ASSERT_EQ(lines.size(), 60u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 58), expected);
    EXPECT_EQ(lines[58], "");
    EXPECT_EQ(steps_run, (std::vector<std::string>{"Libs", "Audio", "Joypad"}));
    EXPECT_EQ(halts, 0);

    struct Style {
        int column, row, page, colour;
    } styles[] = {{0, 0, 3, 59}, {0, 3, 3, 59}, {0, 5, 0, 57}, {2, 6, 3, 79}, {0, 57, 3, 79}};
    for (const Style& s : styles) {
        const CellHalf& cell = screen.text_screen().cell(s.column, s.row).wanted;
        EXPECT_EQ(cell.page, s.page) << s.row;
        EXPECT_EQ(cell.colour, s.colour) << s.row;
    }
}

TEST_F(BootReportTest, SmallScreenScrollsAndKeepsTheLastLinesInSight) {
    screen.cover(256, 224);
    int lines = 0, scrolls = 0;
    screen.line_callback = [&] { ++lines; };
    screen.scroll_callback = [&] { ++scrolls; };
    EXPECT_TRUE(write_boot_report(screen, report));
    // 58 new lines: 27 reach a row below the first, the other 31 scroll.
    EXPECT_EQ(lines, 27);
    EXPECT_EQ(scrolls, 31);
    EXPECT_EQ(screen.row, 27);
    const std::vector<std::string> all = screen_lines(screen);
    const std::vector<std::string> bottom(all.end() - 6, all.end());
    EXPECT_EQ(bottom, (std::vector<std::string>{"Halvane", "  60 system fonts installed", "", "",
                                                "Now loading initial resources...", ""}));
    // Line 31 of the 58 is the first one still in sight.
    EXPECT_EQ(all[0], "  Linux x64");
}

TEST_F(BootReportTest, FailingStepLeavesItsFaultLineLastAndRunsNothingAfter) {
    struct Case {
        const char* failing;
        std::vector<std::string> run;
        std::string fault_line;
    } cases[] = {
        {"Libs", {"Libs"}, "Init Libs...Fault (FontInitializeException例外です。)"},
        {"Audio", {"Libs", "Audio"}, "  Init Audio...Fault (no device (AudioOpenDeviceException例外です。))"},
        {"Joypad", {"Libs", "Audio", "Joypad"}, "  Init Joypad...Fault (DataParseException例外です。)"},
    };
    for (const Case& c : cases) {
        SetUp();
        steps_run.clear();
        halts = 0;
        const std::string failing = c.failing;
        if (failing == "Libs")
            report.steps.libs.run = [this] {
                steps_run.push_back("Libs");
                throw FontInitializeException();
            };
        if (failing == "Audio")
            report.steps.audio.run = [this] {
                steps_run.push_back("Audio");
                throw AudioOpenDeviceException(String("no device"));
            };
        if (failing == "Joypad")
            report.steps.joypad.run = [this] {
                steps_run.push_back("Joypad");
                throw DataParseException();
            };
        testing::internal::CaptureStdout();
        EXPECT_FALSE(write_boot_report(screen, report));
        const std::string debug = testing::internal::GetCapturedStdout();

        EXPECT_EQ(steps_run, c.run) << failing;
        EXPECT_EQ(halts, 1);
        const std::vector<std::string> lines = screen_lines(screen);
        EXPECT_EQ(lines[screen.row - 1], c.fault_line);
        for (size_t row = screen.row; row < lines.size(); ++row)
            EXPECT_EQ(lines[row], "") << failing << " row " << row;
        std::string trimmed = c.fault_line.substr(c.fault_line.find('I'));
        EXPECT_EQ(debug, trimmed + "\n");
    }
}

TEST_F(BootReportTest, AFaultLineWiderThanTheScreenGoesOnAtTheMarginOfTheNextRows) {
    screen.cover(256, 224);
    report.steps.audio.run = [] {
        throw AudioOpenDeviceException(String("cannot open the output 'hw:0,0': no such device"));
    };
    testing::internal::CaptureStdout();
    EXPECT_FALSE(write_boot_report(screen, report));
    const std::string debug = testing::internal::GetCapturedStdout();
    const std::vector<std::string> lines = screen_lines(screen);
    const int last = screen.row - 1;
    // 32 columns, two of them the section's margin.
    EXPECT_EQ(lines[last - 4], "    Window: 1280x960");
    EXPECT_EQ(lines[last - 3], "  Init Audio...Fault (cannot ope");
    EXPECT_EQ(lines[last - 2], "  n the output 'hw:0,0': no such");
    EXPECT_EQ(lines[last - 1], "   device (AudioOpenDeviceExcept");
    EXPECT_EQ(lines[last], "  ion例外です。))");
    EXPECT_EQ(debug, "Init Audio...Fault (cannot open the output 'hw:0,0': no such device "
                     "(AudioOpenDeviceException例外です。))\n");
}

TEST_F(BootReportTest, TheSilentDeviceAddsTheSoundOffLineToTheAudioSection) {
    for (bool silent : {false, true}) {
        SetUp();
        report.facts.audio = [silent] { return AudioChannels{2, 8, silent}; };
        write_boot_report(screen, report);
        const std::vector<std::string> lines = screen_lines(screen);
        const auto audio = std::find(lines.begin(), lines.end(), "Audio");
        ASSERT_NE(audio, lines.end());
        std::vector<std::string> expected{"  2 Music channels", "  8 Sound channels"};
        if (silent)
            expected.push_back("  No device found, sound off");
        expected.push_back("Joypad");
        EXPECT_EQ(std::vector<std::string>(audio + 1, audio + 1 + expected.size()), expected);
    }
}

TEST_F(BootReportTest, OtherThrownValuesPassThroughTheStepRunner) {
    report.steps.audio.run = [] { throw 42; };
    EXPECT_THROW(write_boot_report(screen, report), int);
    EXPECT_EQ(halts, 0);
}

TEST_F(BootReportTest, JoypadsAreNumberedFromZeroWithSingularAndPluralWords) {
    pads = {{12, 1}, {1, 2}};
    write_boot_report(screen, report);
    EXPECT_EQ(joypad_lines(), (std::vector<std::string>{"  2 joypads", "  PAD#0: 12 buttons, 1 axis",
                                                        "  PAD#1: 1 button, 2 axes"}));
}

TEST_F(BootReportTest, NoFeatureGivesAnEmptyThirdProcessorLine) {
    profile.cpu_features = 0;
    profile.cpu_logical_cores = 1;
    write_boot_report(screen, report);
    EXPECT_EQ(row_text(screen, 6), "  CPU: Test CPU 3000, 1 core");
    EXPECT_EQ(row_text(screen, 8), "");
    EXPECT_EQ(row_text(screen, 9), "  L1C 32KB, L1D 48KB");
}

TEST_F(BootReportTest, ScreenModesOneAndTwoRunAFrameBeforeAndAfterTheReport) {
    for (int mode : {0, 1, 2, 3}) {
        SetUp();
        std::vector<std::string> first_rows;
        report.boot_screen_mode = mode;
        report.run_frame = [&] { first_rows.push_back(row_text(screen, 0)); };
        write_boot_report(screen, report);
        const std::vector<std::string> expected = mode == 1 || mode == 2
                                                      ? std::vector<std::string>{"", "lum 2D game engine"}
                                                      : std::vector<std::string>{};
        EXPECT_EQ(first_rows, expected) << mode;
    }
}

} // namespace
