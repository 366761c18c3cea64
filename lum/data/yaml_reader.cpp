// YAML into a Var through libyaml's event parser. Every scalar becomes a
// String; tags, styles, anchors and aliases carry no meaning here.

#include "lum/data/var_readers.hpp"
#include "lum/error/exception.hpp"
#include "lum/text/utf8.hpp"

#include <yaml.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace lum {

namespace {

// Owns the parser and the current event, so every exit deletes both.
class EventParser {
  public:
    explicit EventParser(std::string_view utf8) : input_(utf8) {
        start();
        yaml_parser_set_input_string(&parser_, reinterpret_cast<const unsigned char*>(utf8.data()),
                                     utf8.size());
    }
    // UTF-16 text, handed to libyaml in its PAIRED UTF-8 form a piece at a
    // time, so that a large document needs no second copy of itself.
    explicit EventParser(const String& text)
        : text_(&text), next_unit_(text.units().data()), last_unit_(next_unit_ + text.units().size()) {
        start();
        yaml_parser_set_input(&parser_, &EventParser::read_units, this);
    }
    EventParser(const EventParser&) = delete;
    EventParser& operator=(const EventParser&) = delete;
    ~EventParser() {
        drop_event();
        yaml_parser_delete(&parser_);
    }

    // The next event; throws DataParseException, saying where and why, on a
    // syntax error.
    const yaml_event_t& next() {
        drop_event();
        if (!yaml_parser_parse(&parser_, &event_))
            throw DataParseException(String(problem()));
        has_event_ = true;
        return event_;
    }

  private:
    // "line L, column C: PROBLEM", counted from 1 as editors do.
    std::string problem() const {
        size_t line = parser_.problem_mark.line;
        size_t column = parser_.problem_mark.column;
        // A reader error (a byte that cannot stand in YAML) has only its offset.
        if (parser_.error == YAML_READER_ERROR) {
            std::string whole;
            std::string_view bytes = input_;
            if (text_) {
                encode_utf8(whole, text_->units().data(), text_->units().size(), SurrogateForm::PAIRED);
                bytes = whole;
            }
            place_of(bytes, parser_.problem_offset, line, column);
        }
        std::string where = "line " + std::to_string(line + 1) + ", column " + std::to_string(column + 1);
        return where + ": " + (parser_.problem ? parser_.problem : "syntax error");
    }

    // The line and the column in characters of a byte offset of input.
    static void place_of(std::string_view input, size_t offset, size_t& line, size_t& column) {
        line = 0;
        column = 0;
        offset = std::min(offset, input.size());
        for (size_t i = 0; i < offset; ++i) {
            auto b = static_cast<unsigned char>(input[i]);
            if (b == '\n') {
                ++line;
                column = 0;
            } else if ((b & 0xC0) != 0x80) {
                ++column;
            }
        }
    }

    void start() {
        if (!yaml_parser_initialize(&parser_))
            throw DataParseException();
        yaml_parser_set_encoding(&parser_, YAML_UTF8_ENCODING);
    }

    // libyaml's read handler for UTF-16 text: fills buffer with up to size
    // bytes; 0 bytes read means the end.
    static int read_units(void* data, unsigned char* buffer, size_t size, size_t* size_read) {
        auto& self = *static_cast<EventParser*>(data);
        auto* out = reinterpret_cast<char*>(buffer);
        // libyaml asks for its whole buffer, and the text goes straight in.
        if (self.staged_ == self.stage_end_ && size >= 4) {
            *size_read = encode_utf8_paired(out, size, self.next_unit_, self.last_unit_);
            return 1;
        }
        // Room for less than one character of four bytes: a staged character
        // goes over in parts.
        if (self.staged_ == self.stage_end_) {
            self.staged_ = 0;
            self.stage_end_ = encode_utf8_paired(self.stage_, sizeof self.stage_, self.next_unit_, self.last_unit_);
        }
        size_t n = std::min(size, self.stage_end_ - self.staged_);
        std::memcpy(out, self.stage_ + self.staged_, n);
        self.staged_ += n;
        *size_read = n;
        return 1;
    }

    void drop_event() {
        if (has_event_)
            yaml_event_delete(&event_);
        has_event_ = false;
    }

    // UTF-8 input.
    std::string_view input_;
    // UTF-16 input, and the part of it not yet encoded.
    const String* text_ = nullptr;
    const char16_t* next_unit_ = nullptr;
    const char16_t* last_unit_ = nullptr;
    // An encoded character that libyaml has not taken all of yet.
    char stage_[4];
    size_t staged_ = 0;
    size_t stage_end_ = 0;
    yaml_parser_t parser_;
    yaml_event_t event_;
    bool has_event_ = false;
};

// The scalar decoded as all other text is: characters above U+FFFF, raw or
// escaped, become U+3013.
String scalar_text(const yaml_event_t& event) {
    return String(
        std::string_view(reinterpret_cast<const char*>(event.data.scalar.value), event.data.scalar.length));
}

// Builds the Var from the events. A node in key position that is not a plain
// scalar (a collection or an alias) is skipped together with its value, and
// an alias in value position leaves the member null, so keys and values never
// trade places.
class TreeBuilder {
  public:
    explicit TreeBuilder(Var& root) : stack_{&root} {}

    // False once the document is complete.
    bool on_event(const yaml_event_t& event) {
        switch (event.type) {
        case YAML_NO_EVENT:
        case YAML_DOCUMENT_END_EVENT:
            return false;
        case YAML_SCALAR_EVENT:
            on_scalar(event);
            return true;
        case YAML_ALIAS_EVENT:
            on_alias();
            return true;
        case YAML_SEQUENCE_START_EVENT:
            on_start(VarKind::LIST);
            return true;
        case YAML_MAPPING_START_EVENT:
            on_start(VarKind::HASH);
            return true;
        case YAML_SEQUENCE_END_EVENT:
            return on_end(VarKind::LIST);
        case YAML_MAPPING_END_EVENT:
            return on_end(VarKind::HASH);
        default:
            return true;
        }
    }

  private:
    // Consumes the node if it is being skipped; true when it was.
    bool skipped_node() {
        if (skip_depth_ > 0)
            return true;
        if (skip_next_) {
            skip_next_ = false;
            return true;
        }
        return false;
    }

    void on_scalar(const yaml_event_t& event) {
        if (skipped_node())
            return;
        Var& top = *stack_.back();
        if (top.is_list()) {
            top[top.count()].set_string(scalar_text(event));
        } else if (top.is_hash()) {
            if (pending_) {
                pending_->set_string(scalar_text(event));
                pending_ = nullptr;
            } else {
                pending_ = &top[scalar_text(event)];
            }
        } else {
            top.set_string(scalar_text(event));
        }
    }

    void on_alias() {
        if (skipped_node())
            return;
        Var& top = *stack_.back();
        if (!top.is_hash())
            return;
        if (pending_)
            pending_ = nullptr;
        else
            skip_next_ = true;
    }

    void on_start(VarKind kind) {
        if (++depth_ > Var::MAX_DEPTH)
            throw_too_deep();
        if (skip_depth_ > 0) {
            ++skip_depth_;
            return;
        }
        if (skip_next_) {
            skip_next_ = false;
            skip_depth_ = 1;
            skipping_key_ = false;
            return;
        }
        Var* target = nullptr;
        if (!root_shaped_) {
            root_shaped_ = true;
            target = stack_.front();
        } else if (pending_) {
            target = pending_;
            pending_ = nullptr;
        } else if (stack_.back()->is_hash()) {
            // A collection as a key: skip it and the value that follows.
            skip_depth_ = 1;
            skipping_key_ = true;
            return;
        } else {
            Var& top = *stack_.back();
            target = &top[top.count()];
        }
        if (kind == VarKind::LIST)
            target->make_list();
        else
            target->make_hash();
        if (target != stack_.front())
            stack_.push_back(target);
    }

    // False when a mapping closes with only the root left: the document is done.
    bool on_end(VarKind kind) {
        --depth_;
        if (skip_depth_ > 0) {
            if (--skip_depth_ == 0 && skipping_key_)
                skip_next_ = true;
            return true;
        }
        if (stack_.size() > 1) {
            stack_.pop_back();
            return true;
        }
        return kind != VarKind::HASH;
    }

    std::vector<Var*> stack_;
    Var* pending_ = nullptr;
    bool root_shaped_ = false;
    int32_t depth_ = 0;
    int32_t skip_depth_ = 0;
    bool skipping_key_ = false;
    bool skip_next_ = false;
};

// Reads the events of input into target until its document ends.
template <typename Input>
void read_events(Var& target, const Input& input) {
    EventParser parser(input);
    TreeBuilder builder(target);
    while (builder.on_event(parser.next())) {
    }
}

} // namespace

void read_yaml(Var& target, std::string_view utf8) {
    read_events(target, utf8);
}

void read_yaml(Var& target, const String& text) {
    read_events(target, text);
}

} // namespace lum
