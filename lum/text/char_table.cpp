#include "lum/text/char_table.hpp"

#include <array>
#include <cstddef>

namespace lum {

namespace {

constexpr CharTable::Block default_block() {
    CharTable::Block block{};
    for (CharInfo& e : block)
        e = CharInfo{0, 0, '?', nullptr};
    return block;
}

constexpr CharTable::Block DEFAULTS = default_block();

constexpr CharTable::Blocks default_blocks() {
    CharTable::Blocks blocks{};
    blocks.fill(DEFAULTS.data());
    return blocks;
}

} // namespace

constinit CharTable::Blocks CharTable::blocks_ = default_blocks();

namespace {

constexpr char16_t LATIN_FIRST = 0x00C0;
constexpr char16_t LATIN_LAST = 0x024F;

// The unaccented ASCII letter of every unit from U+00C0 to U+024F, in code order.
// One line per 64 units, starting at U+00C0, U+0100, U+0140, ...
constexpr char LATIN_BASE[] = "AAAAAAACEEEEIIIIDNOOOOO*OUUUUYSsaaaaaaaceeeeiiiidnooooo/ouuuuysy"
                              "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlL"
                              "lLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs"
                              "bBBbBbOCcDDDddEEEFfGGhIIKkllMNnOOoOoPpRSsSqtTtTUuUVYyZzZZzz2Qqhw"
                              "|||!DDdLLlNNnAaIiOoUuUuUuUuUueAaAaAaGgGgKkOoOoZzjDDdGgHWNnAaAaOo"
                              "AaAaEeEeIiIiOoOoRrRrUuUuSsTtJjHhNDOoZzAaEeOoOoOoOoYylntjdqACcLTs"
                              "zHhBUVEeJjQqRrYy";
static_assert(sizeof(LATIN_BASE) - 1 == LATIN_LAST - LATIN_FIRST + 1);

// Vowels outside the Latin block; inside it the base letter decides.
constexpr char16_t VOWELS[] = u"AEIOUaeiou"
                              u"ΑΕΙΟΥαειου"
                              u"АЕЄЀЁИІЇОУЭЮаеёѐєиіїоуэю";

constexpr char16_t VOICED[] = u"がぎぐげござじずぜぞだぢづでどばびぶべぼゔ"
                              u"ガギグゲゴザジズゼゾダヂヅデドバビブベボヴヷヸヹヺ";
static_assert(sizeof(VOICED) / sizeof(char16_t) - 1 == 46);

constexpr char16_t SEMI_VOICED[] = u"ぱぴぷぺぽパピプペポ";

// Generated texts live in fixed-size cells of constant arrays, so the table can
// point at them for the whole run.
struct Cell {
    char text[6];
};

template <size_t N>
constexpr std::array<Cell, N> number_cells(int first, char open, char close) {
    std::array<Cell, N> cells{};
    for (size_t i = 0; i < N; ++i) {
        int n = first + static_cast<int>(i);
        size_t k = 0;
        if (open != 0)
            cells[i].text[k++] = open;
        if (n >= 10)
            cells[i].text[k++] = static_cast<char>('0' + n / 10);
        cells[i].text[k++] = static_cast<char>('0' + n % 10);
        if (close != 0)
            cells[i].text[k++] = close;
    }
    return cells;
}

template <size_t N>
constexpr std::array<Cell, N> char_cells(char first, char open, char close) {
    std::array<Cell, N> cells{};
    for (size_t i = 0; i < N; ++i) {
        size_t k = 0;
        if (open != 0)
            cells[i].text[k++] = open;
        cells[i].text[k++] = static_cast<char>(first + static_cast<int>(i));
        if (close != 0)
            cells[i].text[k++] = close;
    }
    return cells;
}

constexpr auto NUMBERS = number_cells<51>(0, 0, 0);           // "0" to "50"
constexpr auto PAREN_NUMBERS = number_cells<20>(1, '(', ')'); // "(1)" to "(20)"
constexpr auto STOP_NUMBERS = number_cells<20>(1, 0, '.');    // "1." to "20."
constexpr auto ASCII = char_cells<95>(' ', 0, 0);             // " " to "~"
constexpr auto PAREN_LETTERS = char_cells<26>('a', '(', ')'); // "(a)" to "(z)"

const char* ascii_text(char c) {
    return ASCII[static_cast<size_t>(c - ' ')].text;
}

constexpr const char* ROMAN_UPPER[16] = {"I",  "II", "III", "IV",  "V", "VI", "VII", "VIII",
                                         "IX", "X",  "XI",  "XII", "L", "C",  "D",   "M"};
constexpr const char* ROMAN_LOWER[16] = {"i",  "ii", "iii", "iv",  "v", "vi", "vii", "viii",
                                         "ix", "x",  "xi",  "xii", "l", "c",  "d",   "m"};

struct Spelling {
    char16_t unit;
    const char* text;
};

// Single units with an ASCII spelling that their base letter does not give.
// clang-format off
constexpr Spelling SPELLINGS[] = {
    // Ligatures and letters spelt with two letters.
    {u'Æ', "AE"}, {u'æ', "ae"}, {u'Ǣ', "AE"}, {u'ǣ', "ae"}, {u'Ǽ', "AE"}, {u'ǽ', "ae"},
    {u'Ĳ', "IJ"}, {u'ĳ', "ij"}, {u'Œ', "OE"}, {u'œ', "oe"}, {u'ß', "ss"}, {u'ẞ', "SS"},
    {u'Þ', "TH"}, {u'þ', "th"}, {u'ŉ', "'n"}, {u'Ƣ', "OI"}, {u'ƣ', "oi"}, {u'Ȣ', "OU"},
    {u'ȣ', "ou"}, {u'ƕ', "hv"}, {u'Ƕ', "Hv"}, {u'ȸ', "db"}, {u'ȹ', "qp"},
    {u'Ǆ', "DZ"}, {u'ǅ', "Dz"}, {u'ǆ', "dz"}, {u'Ǳ', "DZ"}, {u'ǲ', "Dz"}, {u'ǳ', "dz"},
    {u'Ǉ', "LJ"}, {u'ǈ', "Lj"}, {u'ǉ', "lj"}, {u'Ǌ', "NJ"}, {u'ǋ', "Nj"}, {u'ǌ', "nj"},
    {u'ﬀ', "ff"}, {u'ﬁ', "fi"}, {u'ﬂ', "fl"}, {u'ﬃ', "ffi"}, {u'ﬄ', "ffl"}, {u'ﬅ', "st"},
    {u'ﬆ', "st"},
    // Vulgar fractions.
    {u'¼', "1/4"}, {u'½', "1/2"}, {u'¾', "3/4"}, {u'⅐', "1/7"}, {u'⅑', "1/9"}, {u'⅒', "1/10"},
    {u'⅓', "1/3"}, {u'⅔', "2/3"}, {u'⅕', "1/5"}, {u'⅖', "2/5"}, {u'⅗', "3/5"}, {u'⅘', "4/5"},
    {u'⅙', "1/6"}, {u'⅚', "5/6"}, {u'⅛', "1/8"}, {u'⅜', "3/8"}, {u'⅝', "5/8"}, {u'⅞', "7/8"},
    {u'⅟', "1/"}, {u'↉', "0/3"},
    // Doubled marks.
    {u'‼', "!!"}, {u'⁇', "??"}, {u'⁈', "?!"}, {u'⁉', "!?"}, {u'‽', "!?"}, {u'⸘', "!?"},
    // Superscripts and subscripts other than digits.
    {u'⁺', "+"}, {u'⁻', "-"}, {u'⁼', "="}, {u'⁽', "("}, {u'⁾', ")"}, {u'ⁱ', "i"}, {u'ⁿ', "n"},
    {u'₊', "+"}, {u'₋', "-"}, {u'₌', "="}, {u'₍', "("}, {u'₎', ")"}, {u'ₐ', "a"}, {u'ₑ', "e"},
    {u'ₒ', "o"}, {u'ₓ', "x"}, {u'ₕ', "h"}, {u'ₖ', "k"}, {u'ₗ', "l"}, {u'ₘ', "m"}, {u'ₙ', "n"},
    {u'ₚ', "p"}, {u'ₛ', "s"}, {u'ₜ', "t"},
    // Letter-like symbols.
    {u'℀', "a/c"}, {u'℁', "a/s"}, {u'℅', "c/o"}, {u'℆', "c/u"}, {u'№', "No"}, {u'℡', "TEL"},
    {u'™', "TM"}, {u'℠', "SM"}, {u'©', "(C)"}, {u'®', "(R)"},
    // Punctuation and signs.
    {u'\u00A0', " "}, {u'«', "<<"}, {u'»', ">>"}, {u'‹', "<"}, {u'›', ">"}, {u'¡', "!"},
    {u'¿', "?"}, {u'×', "x"}, {u'÷', "/"}, {u'±', "+/-"}, {u'‐', "-"}, {u'‑', "-"},
    {u'‒', "-"}, {u'–', "-"}, {u'—', "--"}, {u'―', "--"}, {u'‘', "'"}, {u'’', "'"},
    {u'‚', ","}, {u'‛', "'"}, {u'“', "\""}, {u'”', "\""}, {u'„', ",,"}, {u'‟', "\""},
    {u'•', "*"}, {u'…', "..."}, {u'′', "'"}, {u'″', "''"}, {u'‴', "'''"}, {u'\u3000', " "},
};
// clang-format on

// Writable view of the table under construction: the first write into a block
// of defaults gives that high byte its own block from the pool.
class Entries {
  public:
    Entries(CharTable::Blocks& blocks, CharTable::Block* pool) : blocks_(blocks), pool_(pool) {
        blocks_.fill(DEFAULTS.data());
    }

    CharInfo& operator[](unsigned unit) {
        const unsigned high = unit >> 8;
        if (blocks_[high] == DEFAULTS.data()) {
            pool_[high] = DEFAULTS;
            blocks_[high] = pool_[high].data();
        }
        return pool_[high][unit & 0xFF];
    }

  private:
    CharTable::Blocks& blocks_;
    CharTable::Block* pool_;
};

void set_range_flags(Entries& out, char16_t first, char16_t last, uint8_t flag) {
    for (unsigned u = first; u <= last; ++u)
        out[u].flags |= flag;
}

void set_list_flags(Entries& out, const char16_t* units, uint8_t flag) {
    for (; *units != 0; ++units)
        out[*units].flags |= flag;
}

// Points count units from first at consecutive cells.
void set_texts(Entries& out, unsigned first, const Cell* cells, size_t count) {
    for (size_t i = 0; i < count; ++i)
        out[first + i].translit = cells[i].text;
}

void build_latin(Entries& out) {
    for (unsigned u = LATIN_FIRST; u <= LATIN_LAST; ++u) {
        char base = LATIN_BASE[u - LATIN_FIRST];
        CharInfo& e = out[u];
        e.base = base;
        if (base >= 'a' && base <= 'z')
            e.flags |= CharTable::LOWER;
        if (base >= 'A' && base <= 'Z')
            e.flags |= CharTable::UPPER;
        if (base == 'a' || base == 'e' || base == 'i' || base == 'o' || base == 'u')
            e.flags |= CharTable::VOWEL;
    }
}

void build_ascii(Entries& out) {
    for (unsigned u = 0; u < 0x7F; ++u)
        out[u].base = static_cast<char>(u);
    // The runtime library's isupper in the start-up "C" locale accepts exactly these
    // below 0x100 (the Latin block above 0xBF is classified by base letter).
    set_range_flags(out, u'A', u'Z', CharTable::UPPER);
    set_range_flags(out, u'a', u'z', CharTable::LOWER);
    for (char16_t u : {u'\t', u'\n', u'\r', u' '})
        out[u].flags |= CharTable::SPACE;
}

void build_kana(Entries& out) {
    set_range_flags(out, 0x3041, 0x3096, CharTable::HIRAGANA);
    set_range_flags(out, 0x309D, 0x309F, CharTable::HIRAGANA);
    set_range_flags(out, 0x30A1, 0x30FA, CharTable::KATAKANA);
    set_range_flags(out, 0x30FC, 0x30FF, CharTable::KATAKANA);
    set_range_flags(out, 0x31F0, 0x31FF, CharTable::KATAKANA);
    set_list_flags(out, VOICED, CharTable::VOICED);
    set_list_flags(out, SEMI_VOICED, CharTable::SEMI_VOICED);
}

void build_spellings(Entries& out) {
    for (const Spelling& s : SPELLINGS)
        out[s.unit].translit = s.text;
    for (unsigned u = 0xFF01; u <= 0xFF5E; ++u) {
        out[u].extra |= CharTable::FULLWIDTH_ASCII;
        out[u].translit = ascii_text(static_cast<char>(u - 0xFEE0));
    }
    for (size_t i = 0; i < 16; ++i) {
        out[0x2160 + i].translit = ROMAN_UPPER[i];
        out[0x2170 + i].translit = ROMAN_LOWER[i];
    }
    // Superscript and subscript digits; 1, 2 and 3 sit in Latin-1.
    set_texts(out, 0x2070, NUMBERS.data(), 1);
    set_texts(out, 0x2074, NUMBERS.data() + 4, 6);
    set_texts(out, 0x2080, NUMBERS.data(), 10);
    out[0x00B9].translit = NUMBERS[1].text;
    out[0x00B2].translit = NUMBERS[2].text;
    out[0x00B3].translit = NUMBERS[3].text;
    // Enclosed alphanumerics: circled, parenthesised and full-stop numbers, then letters.
    set_texts(out, 0x2460, NUMBERS.data() + 1, 20);
    set_texts(out, 0x2474, PAREN_NUMBERS.data(), 20);
    set_texts(out, 0x2488, STOP_NUMBERS.data(), 20);
    set_texts(out, 0x249C, PAREN_LETTERS.data(), 26);
    set_texts(out, 0x24B6, ASCII.data() + ('A' - ' '), 26);
    set_texts(out, 0x24D0, ASCII.data() + ('a' - ' '), 26);
    set_texts(out, 0x24EA, NUMBERS.data(), 1);
    set_texts(out, 0x24EB, NUMBERS.data() + 11, 10);
    set_texts(out, 0x24F5, NUMBERS.data() + 1, 10);
    set_texts(out, 0x24FF, NUMBERS.data(), 1);
    // Dingbat circled digits (three styles of 1 to 10) and the CJK circled numbers 21 to 50.
    set_texts(out, 0x2776, NUMBERS.data() + 1, 10);
    set_texts(out, 0x2780, NUMBERS.data() + 1, 10);
    set_texts(out, 0x278A, NUMBERS.data() + 1, 10);
    set_texts(out, 0x3251, NUMBERS.data() + 21, 15);
    set_texts(out, 0x32B1, NUMBERS.data() + 36, 15);
}

// The pool is zero-filled storage that the system maps only where written.
CharTable::Block pool[256];

} // namespace

void CharTable::build(Blocks& blocks, Block* pool) {
    Entries out(blocks, pool);
    build_ascii(out);
    build_latin(out);
    set_list_flags(out, VOWELS, VOWEL);
    set_range_flags(out, 0x2000, 0x200D, SPACE);
    out[0x3000].flags |= SPACE;
    build_kana(out);
    build_spellings(out);
}

// Priority 101 is the first open to programs: text used by any other static
// initialiser is classified already.
CharTable::StartUp::StartUp() {
    build(blocks_, pool);
}

[[gnu::init_priority(101)]] const CharTable::StartUp CharTable::start_up_;

} // namespace lum
