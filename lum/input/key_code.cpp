#include "lum/input/key_code.hpp"

#include <array>
#include <unordered_map>

namespace lum {

namespace {

struct NamedKey {
    int32_t code;
    const char* name;
    // Null when the short name is the name.
    const char* short_name;
};

// Every key with a name; the digits and letters are named by their character.
constexpr NamedKey NAMED_KEYS[] = {
    {KEY_NONE, "None", nullptr},
    {KEY_UP, "Up", "Up"},
    {KEY_LEFT, "Left", "Lt"},
    {KEY_RIGHT, "Right", "Rt"},
    {KEY_DOWN, "Down", "Dn"},
    {KEY_PAGE_UP, "PageUp", "PgUp"},
    {KEY_PAGE_DOWN, "PageDown", "PgDn"},
    {KEY_POWER, "Power", nullptr},
    {KEY_BACKSPACE, "Backspace", "Back"},
    {KEY_TAB, "Tab", nullptr},
    {KEY_RETURN, "Return", "Ret"},
    {KEY_INSERT, "Insert", "Ins"},
    {KEY_HOME, "Home", "Hom"},
    {KEY_END, "End", nullptr},
    {KEY_FN, "Fn", "Fn "},
    {KEY_CAPS, "Caps", nullptr},
    {KEY_NUMLOCK, "Numlock", nullptr},
    {KEY_KANA, "Kana", nullptr},
    {KEY_KANJI, "Kanji", "KJ"},
    {KEY_ZENHAN, "Zenhan", "ZH"},
    {KEY_CONVERT, "Convert", nullptr},
    {KEY_NO_CONVERT, "NoConvert", nullptr},
    {KEY_SYS_REQ, "SysReq", nullptr},
    {KEY_PRINT, "Print", nullptr},
    {KEY_SCROLL_LOCK, "ScrollLock", nullptr},
    {KEY_PAUSE, "Pause", nullptr},
    {KEY_WIN_APP, "WinApp", nullptr},
    {KEY_ESCAPE, "Escape", "Esc"},
    {KEY_SHIFT, "Shift", nullptr},
    {KEY_CONTROL, "Control", nullptr},
    {KEY_COMMAND, "Command", nullptr},
    {KEY_OPTION, "Option", nullptr},
    {KEY_SPACE, "Space", nullptr},
    {KEY_EXCLAMATION, "Exclamation", nullptr},
    {KEY_DOUBLE_QUOTE, "DoubleQuote", nullptr},
    {KEY_NUMBER, "Number", nullptr},
    {KEY_DOLLAR, "Dollar", nullptr},
    {KEY_PERCENT, "Percent", nullptr},
    {KEY_AMPERSAND, "Ampersand", nullptr},
    {KEY_QUOTE, "Quote", nullptr},
    {KEY_OPEN_PAREN, "OpenParen", nullptr},
    {KEY_CLOSE_PAREN, "CloseParen", nullptr},
    {KEY_ASTERISK, "Asterisk", nullptr},
    {KEY_PLUS, "Plus", nullptr},
    {KEY_COMMA, "Comma", nullptr},
    {KEY_MINUS, "Minus", nullptr},
    {KEY_PERIOD, "Period", nullptr},
    {KEY_SLASH, "Slash", nullptr},
    {KEY_COLON, "Colon", nullptr},
    {KEY_SEMI_COLON, "SemiColon", nullptr},
    {KEY_LESSER, "Lesser", nullptr},
    {KEY_EQUALS, "Equals", nullptr},
    {KEY_GREATER, "Greater", nullptr},
    {KEY_QUESTION, "Question", nullptr},
    {KEY_AT, "At", nullptr},
    {KEY_OPEN_BRACKET, "OpenBracket", nullptr},
    {KEY_BACK_SLASH, "BackSlash", nullptr},
    {KEY_CLOSE_BRACKET, "CloseBracket", nullptr},
    {KEY_CARET, "Caret", nullptr},
    {KEY_UNDERSCORE, "Underscore", nullptr},
    {KEY_BACK_QUOTE, "BackQuote", nullptr},
    {KEY_OPEN_BRACE, "OpenBrace", nullptr},
    {KEY_PIPE, "Pipe", nullptr},
    {KEY_CLOSE_BRACE, "CloseBrace", nullptr},
    {KEY_TILDE, "Tilde", nullptr},
    {KEY_DELETE, "Delete", "Del"},
    {KEY_F1, "F1", nullptr},
    {KEY_F2, "F2", nullptr},
    {KEY_F3, "F3", nullptr},
    {KEY_F4, "F4", nullptr},
    {KEY_F5, "F5", nullptr},
    {KEY_F6, "F6", nullptr},
    {KEY_F7, "F7", nullptr},
    {KEY_F8, "F8", nullptr},
    {KEY_F9, "F9", nullptr},
    {KEY_F10, "F10", nullptr},
    {KEY_F11, "F11", nullptr},
    {KEY_F12, "F12", nullptr},
    {KEY_F13, "F13", nullptr},
    {KEY_F14, "F14", nullptr},
    {KEY_F15, "F15", nullptr},
    {KEY_F16, "F16", nullptr},
    {KEY_F17, "F17", nullptr},
    {KEY_F18, "F18", nullptr},
    {KEY_F19, "F19", nullptr},
    {KEY_F20, "F20", nullptr},
    {KEY_L_SHIFT, "L_Shift", "Shift"},
    {KEY_R_SHIFT, "R_Shift", "Shift"},
    {KEY_L_CONTROL, "L_Control", "Ctrl"},
    {KEY_R_CONTROL, "R_Control", "Ctrl"},
    {KEY_L_COMMAND, "L_Command", "Alt"},
    {KEY_R_COMMAND, "R_Command", "Alt"},
    {KEY_L_OPTION, "L_Option", nullptr},
    {KEY_R_OPTION, "R_Option", nullptr},
    {KEY_NUM_0, "Num0", nullptr},
    {KEY_NUM_1, "Num1", nullptr},
    {KEY_NUM_2, "Num2", nullptr},
    {KEY_NUM_3, "Num3", nullptr},
    {KEY_NUM_4, "Num4", nullptr},
    {KEY_NUM_5, "Num5", nullptr},
    {KEY_NUM_6, "Num6", nullptr},
    {KEY_NUM_7, "Num7", nullptr},
    {KEY_NUM_8, "Num8", nullptr},
    {KEY_NUM_9, "Num9", nullptr},
    {KEY_NUM_PERIOD, "NumPeriod", "Num."},
    {KEY_NUM_ADD, "NumAdd", "Num+"},
    {KEY_NUM_SUB, "NumSub", "Num-"},
    {KEY_NUM_MUL, "NumMul", "Num*"},
    {KEY_NUM_DIV, "NumDiv", "Num/"},
    {KEY_NUM_EQUALS, "NumEquals", "Num="},
    {KEY_NUM_ENTER, "NumEnter", "NumE"},
    {KEY_CLEAR, "Clear", "Clr"},
};

struct KeyNames {
    const char* name = nullptr;
    const char* short_name = nullptr;
};

constexpr std::array<KeyNames, KEY_COUNT> KEY_NAMES = [] {
    std::array<KeyNames, KEY_COUNT> names{};
    for (const NamedKey& k : NAMED_KEYS)
        names[k.code] = {k.name, k.short_name ? k.short_name : k.name};
    return names;
}();

// The name of a code outside the table.
const char* out_of_range_name(int32_t code) {
    return code < 0 ? "underflow" : "overflow";
}

} // namespace

String key_name(int32_t code) {
    if (code < 0 || code >= KEY_COUNT)
        return String(out_of_range_name(code));
    const char* name = KEY_NAMES[code].name;
    return name ? String(name) : String(Char(static_cast<char16_t>(code)));
}

String key_short_name(int32_t code) {
    if (code < 0 || code >= KEY_COUNT)
        return String(out_of_range_name(code));
    const char* name = KEY_NAMES[code].short_name;
    return name ? String(name) : key_name(code);
}

int32_t key_code_from_name(const String& name) {
    // Later codes overwrite earlier ones that bear the same text.
    static const std::unordered_map<String, int32_t> codes = [] {
        std::unordered_map<String, int32_t> map;
        for (int32_t code = 0; code < KEY_COUNT; ++code) {
            map[key_name(code)] = code;
            map[key_short_name(code)] = code;
        }
        return map;
    }();
    auto found = codes.find(name);
    return found == codes.end() ? 0 : found->second;
}

} // namespace lum
