#pragma once

#include "lum/text/string.hpp"

namespace lum {

// The root of the engine's failures. Thrown by value, caught by reference at the
// frame's boundaries; each class carries a fixed description text. Not related
// to std::exception.
class Exception {
  public:
    Exception() = default;
    explicit Exception(String message) : message(std::move(message)) {}
    Exception(const Exception&) = default;
    Exception& operator=(const Exception&) = default;
    virtual ~Exception() = default;

    // The class's fixed description text.
    virtual String description() const = 0;

    // Optional text from the thrower; empty unless given.
    String message;
};

// Declares an exception class with its base and fixed description.
#define LUM_EXCEPTION_CLASS(Name, Base, Text)                                                                \
    class Name : public Base {                                                                               \
      public:                                                                                                \
        using Base::Base;                                                                                    \
        Name() = default;                                                                                    \
        String description() const override { return String(Text); }                                         \
    };

LUM_EXCEPTION_CLASS(HardwareException, Exception, "ハードウェアの例外です。")
LUM_EXCEPTION_CLASS(GraphicsException, HardwareException, "GraphicsException例外です。")
LUM_EXCEPTION_CLASS(GraphicsInitializeException, GraphicsException, "グラフィック初期化の例外です。")
LUM_EXCEPTION_CLASS(GraphicsCreateWindowException, GraphicsException, "ウィンドウクリエイト例外です。")
LUM_EXCEPTION_CLASS(GraphicsGlextException, GraphicsException, "GraphicsGlextException例外です。")
LUM_EXCEPTION_CLASS(AudioException, HardwareException, "AudioException例外です。")
LUM_EXCEPTION_CLASS(AudioOpenDeviceException, AudioException, "AudioOpenDeviceException例外です。")
LUM_EXCEPTION_CLASS(AudioContextException, AudioException, "AudioContextException例外です。")
LUM_EXCEPTION_CLASS(FontException, HardwareException, "FontException例外です。")
LUM_EXCEPTION_CLASS(FontInitializeException, FontException, "FontInitializeException例外です。")
LUM_EXCEPTION_CLASS(PixelShaderException, HardwareException, "PixelShaderException例外です。")
LUM_EXCEPTION_CLASS(PixelShaderInitException, PixelShaderException, "PixelShaderInitException例外です。")
LUM_EXCEPTION_CLASS(IOException, Exception, "IOException例外です。")
LUM_EXCEPTION_CLASS(FileOpenException, IOException, "FileOpenException例外です。")
LUM_EXCEPTION_CLASS(PictureException, IOException, "PictureException例外です。")
LUM_EXCEPTION_CLASS(PictureFormatException, PictureException, "PictureFormatException例外です。")
LUM_EXCEPTION_CLASS(PictureSizeException, PictureException, "PictureSizeException例外です。")
LUM_EXCEPTION_CLASS(DataException, Exception, "DataException例外です。")
LUM_EXCEPTION_CLASS(DataParseException, DataException, "DataParseException例外です。")
LUM_EXCEPTION_CLASS(PathParseException, DataException, "PathParseException例外です。")

#undef LUM_EXCEPTION_CLASS

// The text shown for an exception: its description, or "MESSAGE (DESCRIPTION)"
// when the thrower gave a message.
String describe(const Exception& e);

} // namespace lum
