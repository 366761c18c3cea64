// The block form of a Var: the indented YAML text the engine writes for every
// document. Texts that YAML would read differently are quoted and escaped, so
// every String written reads back as it was.

#include "lum/core/unimplemented.hpp"
#include "lum/data/atomic_file.hpp"
#include "lum/data/file.hpp"
#include "lum/data/var.hpp"
#include "lum/text/utf8.hpp"

#include <cstdio>
#include <string_view>
#include <vector>

namespace lum {

namespace {

// A quoted key longer than this may exceed libyaml's 1024-character limit for
// simple keys, so it is written as an explicit "? " key instead.
constexpr size_t LONGEST_SIMPLE_KEY = 1000;

bool is_ascii_alnum(char16_t u) {
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9');
}

// Characters YAML cannot hold as they are, or would read as a line break, a
// byte order mark or the end of a quoted text.
bool must_escape(char16_t c) {
    return c < 0x20 || c == u'"' || c == u'\\' || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 ||
           c == 0xFEFF || c == 0xFFFE || c == 0xFFFF;
}

bool has_escape(const std::u16string& s) {
    for (char16_t u : s)
        if (must_escape(u))
            return true;
    return false;
}

enum class Start { STRICT, RELAXED };

// True when s, written bare in block context, reads back as exactly s. With
// RELAXED, "-", "?" and ":" may start it when a non-blank follows ("-5").
bool reads_back_bare(const std::u16string& s, Start start) {
    size_t n = s.size();
    if (n == 0 || has_escape(s))
        return false;
    std::u16string_view indicators = u",[]{}#&*!|>'\"%@`";
    std::u16string_view leading = u"-?:";
    char16_t first = s[0];
    if (indicators.find(first) != std::u16string_view::npos)
        return false;
    if (leading.find(first) != std::u16string_view::npos &&
        (start == Start::STRICT || n == 1 || s[1] == u' '))
        return false;
    if (first == u' ' || s[n - 1] == u' ' || s[n - 1] == u':')
        return false;
    for (size_t i = 0; i + 1 < n; ++i) {
        if ((s[i] == u':' && s[i + 1] == u' ') || (s[i] == u' ' && s[i + 1] == u'#'))
            return false;
    }
    std::u16string_view view(s);
    return !(view.starts_with(u"---") || view.starts_with(u"..."));
}

void put_hex(std::string& out, const char* prefix, char32_t c, int digits) {
    static const char hex[] = "0123456789ABCDEF";
    out += prefix;
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += hex[(c >> shift) & 0xF];
}

// s in double quotes, with YAML escapes for what cannot stand as it is.
// Surrogates never need an escape: they are written in form.
void append_quoted(std::string& out, const std::u16string& s, SurrogateForm form) {
    out += '"';
    const char16_t* units = s.data();
    size_t n = s.size();
    size_t run = 0; // start of the units not yet written
    for (size_t i = 0; i < n; ++i) {
        char16_t c = units[i];
        if (!must_escape(c))
            continue;
        encode_utf8(out, units + run, i - run, form);
        switch (c) {
        case u'"':
            out += "\\\"";
            break;
        case u'\\':
            out += "\\\\";
            break;
        case u'\t':
            out += "\\t";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        default:
            if (c <= 0xFF)
                put_hex(out, "\\x", c, 2);
            else
                put_hex(out, "\\u", c, 4);
        }
        run = i + 1;
    }
    encode_utf8(out, units + run, n - run, form);
    out += '"';
}

void append_scalar(std::string& out, const Value& value, SurrogateForm form) {
    if (value.type() == ValueType::String) {
        const std::u16string& s = value.text().units();
        bool bare = true;
        for (char16_t u : s)
            if (!is_ascii_alnum(u)) {
                bare = false;
                break;
            }
        if (bare)
            encode_utf8(out, s.data(), s.size(), form);
        else
            append_quoted(out, s, form);
        return;
    }
    String text = value.to_string();
    const std::u16string& s = text.units();
    if (s.empty() || reads_back_bare(s, Start::RELAXED))
        encode_utf8(out, s.data(), s.size(), form);
    else
        append_quoted(out, s, form);
}

void append_key(std::string& out, const String& key, int64_t depth) {
    const std::u16string& s = key.units();
    size_t start = out.size();
    if (reads_back_bare(s, Start::STRICT))
        encode_utf8(out, s.data(), s.size(), SurrogateForm::PAIRED);
    else
        append_quoted(out, s, SurrogateForm::PAIRED);
    if (out.size() - start <= LONGEST_SIMPLE_KEY) {
        out += ": ";
        return;
    }
    out.insert(start, "? ");
    out += '\n';
    out.append(static_cast<size_t>(2 * depth), ' ');
    out += ": ";
}

// Writes the block form without recursion: one frame per open collection.
class BlockWriter {
  public:
    explicit BlockWriter(std::string& out) : out_(out) {}

    void write(const Var& root, int32_t depth) {
        open(root, depth);
        while (!stack_.empty()) {
            Frame& f = stack_.back();
            const Var* child = nullptr;
            int64_t depth_of_child = f.depth + 1;
            if (f.var->is_list()) {
                if (f.index >= f.var->count()) {
                    stack_.pop_back();
                    continue;
                }
                indent(f.depth);
                out_ += "- ";
                // Indices never written have no element and write as empty scalars.
                if (f.element != f.var->list().end() && f.element->first == f.index) {
                    child = &f.element->second;
                    ++f.element;
                }
                ++f.index;
            } else {
                if (f.member == f.var->hash().end()) {
                    stack_.pop_back();
                    continue;
                }
                indent(f.depth);
                append_key(out_, f.member->first, f.depth);
                child = &f.member->second;
                ++f.member;
            }
            if (child)
                open(*child, depth_of_child); // may grow the stack: f is not used after this
            else
                out_ += '\n';
        }
    }

  private:
    struct Frame {
        const Var* var;
        int64_t depth;
        int32_t index;
        Var::List::const_iterator element;
        Var::Hash::const_iterator member;
    };

    void indent(int64_t depth) {
        if (depth > 0)
            out_.append(static_cast<size_t>(2 * depth), ' ');
    }

    // Writes a scalar whole, or starts a collection and leaves its frame on the stack.
    void open(const Var& v, int64_t depth) {
        switch (v.kind()) {
        case VarKind::SCALAR:
            append_scalar(out_, v.value(), SurrogateForm::PAIRED);
            out_ += '\n';
            return;
        case VarKind::LIST:
            if (v.count() == 0) {
                if (depth > 0)
                    out_ += "[]\n";
                return;
            }
            break;
        case VarKind::HASH:
            if (v.hash().empty()) {
                if (depth > 0)
                    out_ += "{}\n";
                return;
            }
            break;
        default:
            unimplemented("lum::Var::print_r", static_cast<int32_t>(v.kind()));
            return;
        }
        if (depth > 0)
            out_ += '\n';
        stack_.push_back(Frame{&v, depth, 0, v.list().begin(), v.hash().begin()});
    }

    std::string& out_;
    std::vector<Frame> stack_;
};

} // namespace

String Var::quoted_form() const {
    // Surrogates written one by one decode back to the same units.
    std::string bytes;
    append_scalar(bytes, value_, SurrogateForm::SEPARATE);
    return String(bytes);
}

std::string Var::block_form(int32_t depth) const {
    std::string out;
    BlockWriter(out).write(*this, depth);
    return out;
}

void Var::print_r(File& file, int32_t depth) const {
    std::string bytes = block_form(depth);
    if (!bytes.empty())
        file.write(bytes.data(), 1, bytes.size());
}

void Var::save(const Path& path) const {
    AtomicFile::write_all(path, block_form(0));
}

} // namespace lum
