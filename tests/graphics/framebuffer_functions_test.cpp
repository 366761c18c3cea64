#include "lum/graphics/gl/framebuffer_functions.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace lum;

namespace {

void fake_function() {}

// A driver of the given version and extensions that gives addresses for the
// names in its set and records every name asked for.
struct FakeDriver {
    explicit FakeDriver(std::set<std::string> offered_names, int major_version = 4, int minor_version = 5,
                        std::set<std::string> extension_names = {"GL_EXT_framebuffer_object",
                                                                 "GL_ARB_framebuffer_object"})
        : offered(std::move(offered_names)), major(major_version), minor(minor_version),
          extensions(std::move(extension_names)) {}

    std::set<std::string> offered;
    int major;
    int minor;
    std::set<std::string> extensions;
    std::vector<std::string> asked;

    GlDriver driver() {
        return {major, minor, [this](const char* e) { return extensions.count(e) > 0; },
                [this](const char* name) -> platform::GlProc {
                    asked.push_back(name);
                    return offered.count(name) ? fake_function : nullptr;
                }};
    }
};

std::set<std::string> all_names(const char* suffix) {
    std::set<std::string> names;
    for (const char* n : framebuffer_function_names())
        names.insert(std::string(n) + suffix);
    return names;
}

} // namespace

TEST(FramebufferLookup, AsksForTheExtNameFirstAndThePlainNameOnlyWhenThatFails) {
    FakeDriver ext{all_names("EXT")};
    FramebufferLookup found = look_up_framebuffer_functions(ext.driver(), false);
    EXPECT_EQ(found.missing.count(), 0);
    EXPECT_TRUE(found.functions.complete());
    ASSERT_EQ(ext.asked.size(), 17u);
    EXPECT_EQ(ext.asked[0], "glIsRenderbufferEXT");
    EXPECT_EQ(ext.asked[16], "glGenerateMipmapEXT");

    FakeDriver plain{all_names("")};
    found = look_up_framebuffer_functions(plain.driver(), false);
    EXPECT_TRUE(found.functions.complete());
    ASSERT_EQ(plain.asked.size(), 34u);
    EXPECT_EQ(plain.asked[0], "glIsRenderbufferEXT");
    EXPECT_EQ(plain.asked[1], "glIsRenderbuffer");
}

TEST(FramebufferLookup, AsksOnlyForTheNamesTheContextOffers) {
    // Every name gets an address, as under GLX; the context decides.
    std::set<std::string> everything = all_names("EXT");
    everything.merge(all_names(""));
    FakeDriver arb_only{everything, 2, 1, {"GL_ARB_framebuffer_object"}};
    FramebufferLookup found = look_up_framebuffer_functions(arb_only.driver(), false);
    EXPECT_TRUE(found.functions.complete());
    ASSERT_EQ(arb_only.asked.size(), 17u);
    EXPECT_EQ(arb_only.asked[0], "glIsRenderbuffer");

    FakeDriver bare{everything, 2, 1, {}};
    found = look_up_framebuffer_functions(bare.driver(), false);
    EXPECT_TRUE(bare.asked.empty());
    EXPECT_EQ(found.missing.count(), 17);
    EXPECT_EQ(found.functions.bind_framebuffer, nullptr);
}

TEST(FramebufferLookup, EveryMissingNameIsListedInTableOrderWithoutStoppingAtTheFirst) {
    FakeDriver partial{all_names("")};
    partial.offered.erase("glIsRenderbuffer");
    partial.offered.erase("glGenerateMipmap");
    FramebufferLookup found = look_up_framebuffer_functions(partial.driver(), false);
    ASSERT_EQ(found.missing.count(), 2);
    EXPECT_EQ(found.missing[0], String("glIsRenderbuffer"));
    EXPECT_EQ(found.missing[1], String("glGenerateMipmap"));
    EXPECT_FALSE(found.functions.complete());
    EXPECT_EQ(found.functions.is_renderbuffer, nullptr);
    EXPECT_NE(found.functions.bind_renderbuffer, nullptr);
}

TEST(FramebufferLookup, ForcedErrorReportsAllSeventeenWhileStillStoringThem) {
    FakeDriver ext{all_names("EXT")};
    FramebufferLookup found = look_up_framebuffer_functions(ext.driver(), true);
    ASSERT_EQ(found.missing.count(), 17);
    EXPECT_EQ(found.missing[7], String("glBindFramebuffer"));
    EXPECT_TRUE(found.functions.complete());
}

TEST(FramebufferFailureText, HasTheNamesTheCauseAndTheDetailsInOrder) {
    String text =
        framebuffer_failure_text(StringList{String("glIsRenderbuffer"), String("glGenerateMipmap")}, 1.1,
                                 String("GDI Generic"), String("Microsoft Corporation"), String(""));
    const char* expected = "現在のパソコンが以下の命令に対応していないため動かせませんでした。\r\n\r\n"
                           "　glIsRenderbuffer\r\n"
                           "　glGenerateMipmap\r\n"
                           "原因：\r\n"
                           "　このパソコンのOpenGLライブラリのバージョンが\r\n"
                           "　2.0以上でなかったため、このアプリはうごきません。\n"
                           "\r\n"
                           "詳細な情報：\r\n"
                           "　OpenGLのバージョン:1.10\r\n"
                           "　レンダラー:GDI Generic\r\n"
                           "　ベンダー　:Microsoft Corporation\r\n"
                           "　シェーダー:\r\n"
                           "（このウィンドウ上ではCtrl+Cを押すとコピーできます）";
    EXPECT_EQ(text.to_utf8(), expected);
    EXPECT_EQ(framebuffer_failure_title().to_utf8(), "ごめんなさい！　このパソコンではうごきません！");
}
