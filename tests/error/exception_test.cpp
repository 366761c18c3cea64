#include "lum/error/exception.hpp"

#include <gtest/gtest.h>

using namespace lum;

TEST(Exception, DescribeGivesTheFixedTextOrMessageWithIt) {
    EXPECT_EQ(describe(GraphicsGlextException()), String("GraphicsGlextException例外です。"));
    EXPECT_EQ(describe(HardwareException()), String("ハードウェアの例外です。"));
    EXPECT_EQ(describe(GraphicsCreateWindowException()), String("ウィンドウクリエイト例外です。"));
    EXPECT_EQ(describe(FileOpenException(String("Save/x.yaml"))),
              String("Save/x.yaml (FileOpenException例外です。)"));
}

TEST(Exception, BaseHandlersCatchTheirDescendantsOnly) {
    bool hardware = false;
    try {
        throw AudioOpenDeviceException();
    } catch (const HardwareException& e) {
        hardware = true;
        EXPECT_EQ(e.description(), String("AudioOpenDeviceException例外です。"));
    }
    EXPECT_TRUE(hardware);

    bool io = false, data = false;
    try {
        try {
            throw DataParseException();
        } catch (const IOException&) {
            io = true;
        }
    } catch (const DataException&) {
        data = true;
    }
    EXPECT_FALSE(io);
    EXPECT_TRUE(data);
}

TEST(Exception, CopiesKeepTheirMessage) {
    PictureSizeException original(String("4097x1"));
    PictureSizeException copy = original;
    EXPECT_EQ(copy.message, String("4097x1"));
    const Exception& base = copy;
    EXPECT_EQ(describe(base), String("4097x1 (PictureSizeException例外です。)"));
}
