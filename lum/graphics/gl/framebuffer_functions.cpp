#include "lum/graphics/gl/framebuffer_functions.hpp"

#include "lum/graphics/gl/gl_info.hpp"
#include "lum/platform/dialog.hpp"
#include "lum/text/format.hpp"

#include <string>
#include <type_traits>
#include <utility>

namespace lum {

bool forced_opengl_error = false;

namespace {

FramebufferEntryPoints loaded;

// One function: its plain name and its slot in the table.
struct Slot {
    const char* name;
    void (*store)(FramebufferEntryPoints&, platform::GlProc);
    bool (*filled)(const FramebufferEntryPoints&);
};

template <auto Member>
constexpr Slot slot(const char* name) {
    using Pointer = std::remove_reference_t<decltype(std::declval<FramebufferEntryPoints&>().*Member)>;
    return {name,
            [](FramebufferEntryPoints& t, platform::GlProc f) { t.*Member = reinterpret_cast<Pointer>(f); },
            [](const FramebufferEntryPoints& t) { return t.*Member != nullptr; }};
}

// The functions in the order they are fetched.
using E = FramebufferEntryPoints;
constexpr std::array<Slot, 17> SLOTS = {
    slot<&E::is_renderbuffer>("glIsRenderbuffer"),
    slot<&E::bind_renderbuffer>("glBindRenderbuffer"),
    slot<&E::delete_renderbuffers>("glDeleteRenderbuffers"),
    slot<&E::gen_renderbuffers>("glGenRenderbuffers"),
    slot<&E::renderbuffer_storage>("glRenderbufferStorage"),
    slot<&E::get_renderbuffer_parameteriv>("glGetRenderbufferParameteriv"),
    slot<&E::is_framebuffer>("glIsFramebuffer"),
    slot<&E::bind_framebuffer>("glBindFramebuffer"),
    slot<&E::delete_framebuffers>("glDeleteFramebuffers"),
    slot<&E::gen_framebuffers>("glGenFramebuffers"),
    slot<&E::check_framebuffer_status>("glCheckFramebufferStatus"),
    slot<&E::framebuffer_texture_1d>("glFramebufferTexture1D"),
    slot<&E::framebuffer_texture_2d>("glFramebufferTexture2D"),
    slot<&E::framebuffer_texture_3d>("glFramebufferTexture3D"),
    slot<&E::framebuffer_renderbuffer>("glFramebufferRenderbuffer"),
    slot<&E::get_framebuffer_attachment_parameteriv>("glGetFramebufferAttachmentParameteriv"),
    slot<&E::generate_mipmap>("glGenerateMipmap"),
};

} // namespace

bool FramebufferEntryPoints::complete() const {
    for (const Slot& s : SLOTS)
        if (!s.filled(*this))
            return false;
    return true;
}

const FramebufferEntryPoints& framebuffer_functions() {
    return loaded;
}

const std::array<const char*, 17>& framebuffer_function_names() {
    static const std::array<const char*, 17> names = [] {
        std::array<const char*, 17> n{};
        for (size_t i = 0; i < SLOTS.size(); ++i)
            n[i] = SLOTS[i].name;
        return n;
    }();
    return names;
}

FramebufferLookup look_up_framebuffer_functions(const GlDriver& driver, bool forced) {
    FramebufferLookup result;
    for (const Slot& s : SLOTS) {
        platform::GlProc f =
            gl_entry_point(driver, (std::string(s.name) + "EXT").c_str(), FRAMEBUFFER_EXT_NEED);
        if (!f)
            f = gl_entry_point(driver, s.name, FRAMEBUFFER_CORE_NEED);
        s.store(result.functions, f);
        if (!f || forced)
            result.missing.push_back(String(s.name));
    }
    return result;
}

String framebuffer_failure_text(const StringList& missing, double version, const String& renderer,
                                const String& vendor, const String& shading_language_version) {
    String text("現在のパソコンが以下の命令に対応していないため動かせませんでした。\r\n\r\n");
    for (const String& name : missing)
        text += String("　") + name + "\r\n";
    text += "原因：\r\n";
    text += "　このパソコンのOpenGLライブラリのバージョンが\r\n";
    text += "　2.0以上でなかったため、このアプリはうごきません。\n";
    text += "\r\n";
    text += "詳細な情報：\r\n";
    text += Format("　OpenGLのバージョン:{0}\r\n", version);
    text += Format("　レンダラー:{0}\r\n", renderer);
    text += Format("　ベンダー　:{0}\r\n", vendor);
    text += Format("　シェーダー:{0}\r\n", shading_language_version);
    text += "（このウィンドウ上ではCtrl+Cを押すとコピーできます）";
    return text;
}

String framebuffer_failure_title() {
    return String("ごめんなさい！　このパソコンではうごきません！");
}

bool load_framebuffer_functions(const GlDriver& driver) {
    FramebufferLookup found = look_up_framebuffer_functions(driver, forced_opengl_error);
    loaded = found.functions;
    if (found.missing.count() == 0)
        return true;
    // The version is read as a float and shown as a double, as the text has always shown it.
    String version = gl_string(GL_VERSION);
    double number = static_cast<float>(leading_number(version));
    String text = framebuffer_failure_text(found.missing, number, gl_string(GL_RENDERER),
                                           gl_string(GL_VENDOR), gl_string(GL_SHADING_LANGUAGE_VERSION));
    platform::show_dialog(platform::DialogIcon::ERROR, platform::DialogButtons::OK,
                          framebuffer_failure_title(), text);
    return false;
}

} // namespace lum
