#include "lum/graphics/framebuffer_functions.hpp"

#include "lum/graphics/gl_info.hpp"
#include "lum/platform/dialog.hpp"
#include "lum/text/format.hpp"

#include <string>

namespace lum {

bool forced_opengl_error = false;

namespace {

FramebufferEntryPoints loaded;

template <typename Slot>
void set(Slot& slot, platform::GlProc f) {
    slot = reinterpret_cast<Slot>(f);
}

// The table from the pointers found, in the order of FRAMEBUFFER_FUNCTION_NAMES.
FramebufferEntryPoints table_of(const std::array<platform::GlProc, FRAMEBUFFER_FUNCTION_NAMES.size()>& f) {
    FramebufferEntryPoints t;
    set(t.is_renderbuffer, f[0]);
    set(t.bind_renderbuffer, f[1]);
    set(t.delete_renderbuffers, f[2]);
    set(t.gen_renderbuffers, f[3]);
    set(t.renderbuffer_storage, f[4]);
    set(t.get_renderbuffer_parameteriv, f[5]);
    set(t.is_framebuffer, f[6]);
    set(t.bind_framebuffer, f[7]);
    set(t.delete_framebuffers, f[8]);
    set(t.gen_framebuffers, f[9]);
    set(t.check_framebuffer_status, f[10]);
    set(t.framebuffer_texture_1d, f[11]);
    set(t.framebuffer_texture_2d, f[12]);
    set(t.framebuffer_texture_3d, f[13]);
    set(t.framebuffer_renderbuffer, f[14]);
    set(t.get_framebuffer_attachment_parameteriv, f[15]);
    set(t.generate_mipmap, f[16]);
    return t;
}

} // namespace

bool FramebufferEntryPoints::complete() const {
    return is_renderbuffer && bind_renderbuffer && delete_renderbuffers && gen_renderbuffers &&
           renderbuffer_storage && get_renderbuffer_parameteriv && is_framebuffer && bind_framebuffer &&
           delete_framebuffers && gen_framebuffers && check_framebuffer_status && framebuffer_texture_1d &&
           framebuffer_texture_2d && framebuffer_texture_3d && framebuffer_renderbuffer &&
           get_framebuffer_attachment_parameteriv && generate_mipmap;
}

const FramebufferEntryPoints& framebuffer_functions() {
    return loaded;
}

FramebufferLookup look_up_framebuffer_functions(const GlLookup& lookup, bool forced) {
    FramebufferLookup result;
    std::array<platform::GlProc, FRAMEBUFFER_FUNCTION_NAMES.size()> found{};
    for (size_t i = 0; i < FRAMEBUFFER_FUNCTION_NAMES.size(); ++i) {
        const char* name = FRAMEBUFFER_FUNCTION_NAMES[i];
        found[i] = lookup((std::string(name) + "EXT").c_str());
        if (!found[i])
            found[i] = lookup(name);
        if (!found[i] || forced)
            result.missing.push_back(String(name));
    }
    result.functions = table_of(found);
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

bool load_framebuffer_functions() {
    FramebufferLookup found = look_up_framebuffer_functions(platform::gl_function, forced_opengl_error);
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
