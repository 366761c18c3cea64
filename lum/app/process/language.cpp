#include "lum/app/process/language.hpp"

namespace lum {

namespace {

const Language rows[] = {
    {0, "Dansk (Danmark)", "Dansk", "da_DK", 1030},
    {1, "Deutsch (German)", "German", "de_DE", 1031},
    {2, "Greek ()", "Greek", "el_GR", 0},
    {3, "English (United States)", "English", "en_US", 1033},
    {4, "English (United Kingdom)", "British English", "en_GB", 2057},
    {5, "Esperanto", "Esperanto", "eo_EO", 0},
    {6, "Español (Spain)", "Spanish", "es_ES", 1034},
    {7, "Español (México)", "Spanish_Mexico", "es_MX", 0},
    {8, "Suomi (Suomen tasavalta)", "Finnish", "fi_FI", 1035},
    {9, "Français (France)", "French", "fr_FR", 1036},
    {10, "Italiano (Italia)", "Italian", "it_IT", 1040},
    {11, "日本語 (日本)", "Japanese", "ja_JP", 1041},
    {12, "Norsk Bokmål (Kongeriket)", "Norsk Bokmal", "no_NO", 1044},
    {13, "Nederlands (Nederland)", "Nederlands", "nl_NL", 1043},
    {14, "Portguês (Brazil)", "Portguese (Brazil)", "pt_BR", 0},
    {15, "Portguês (Portugal)", "Portguese (Portugal)", "pt_PT", 2070},
    {16, "Русский язык (Россия)", "Russian", "ru_RU", 1049},
    {17, "Svenska (Sweden)", "Swedish", "sv_SE", 1053},
    {18, "簡體中文 (中国)", "Simplified Chinese (China)", "zh_CN", 2052},
    {19, "繁體中文 (香港)", "Traditional Chinese (Hong Kong)", "zh_HK", 3076},
    {20, "繁體中文 (台湾)", "Traditional Chinese (Taiwan)", "zh_TW", 1028},
    {21, "C Language", "C Language", "C", 0},
};

constexpr int32_t FALLBACK = 21;

} // namespace

const Language& language_row(int32_t index) {
    return (index >= 0 && index < FALLBACK) ? rows[index] : rows[FALLBACK];
}

const Language& language_for_locale_id(int32_t locale_id) {
    for (const auto& row : rows)
        if (row.locale_id != 0 && row.locale_id == locale_id)
            return row;
    return rows[FALLBACK];
}

const Language& language_for_locale_name(const String& name) {
    std::string text = name.to_utf8();
    text = text.substr(0, text.find_first_of(".@"));
    for (const auto& row : rows)
        if (row.locale_id != 0 && text == row.code)
            return row;
    return rows[FALLBACK];
}

} // namespace lum
