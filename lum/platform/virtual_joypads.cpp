#include "lum/platform/virtual_joypads.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

namespace lum::platform {

namespace {

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// A line cut into words; rest(i) is the line from word i on, trailing blanks cut.
struct Words {
    std::string_view line;
    std::vector<std::string_view> words;

    explicit Words(std::string_view text) : line(text) {
        size_t i = 0;
        while (i < line.size()) {
            while (i < line.size() && blank(line[i]))
                ++i;
            size_t start = i;
            while (i < line.size() && !blank(line[i]))
                ++i;
            if (i > start)
                words.push_back(line.substr(start, i - start));
        }
    }
    std::string_view rest(size_t i) const {
        if (i >= words.size())
            return {};
        std::string_view r = line.substr(static_cast<size_t>(words[i].data() - line.data()));
        while (!r.empty() && blank(r.back()))
            r.remove_suffix(1);
        return r;
    }
};

// Whether a number's exponent is negative, as in "1e-400".
bool tiny_exponent(std::string_view number) {
    size_t e = number.find_first_of("eE");
    return e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-';
}

// The word in quotes for a message, with control bytes as \xNN so that
// the message stays one harmless line on a terminal.
std::string quoted(std::string_view word) {
    std::string q = "\"";
    for (char c : word) {
        auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b != 0x7F) {
            q += c;
            continue;
        }
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", b);
        q += escaped;
    }
    return q + "\"";
}

} // namespace

VirtualJoypads::VirtualJoypads(std::string file_name, Report report)
    : file_name_(std::move(file_name)), report_(std::move(report)) {}

void VirtualJoypads::feed(std::string_view bytes) {
    while (!bytes.empty()) {
        size_t newline = bytes.find('\n');
        std::string_view piece = bytes.substr(0, newline);
        if (!overlong_ && partial_.size() + piece.size() > MAX_LINE) {
            overlong_ = true;
            partial_.clear();
        }
        if (!overlong_)
            partial_.append(piece);
        if (newline == std::string_view::npos)
            return;
        ++line_number_;
        if (overlong_)
            problem("line longer than " + std::to_string(MAX_LINE) + " bytes");
        else
            run(partial_);
        partial_.clear();
        overlong_ = false;
        bytes.remove_prefix(newline + 1);
    }
}

void VirtualJoypads::problem(const std::string& text) {
    if (report_)
        report_(file_name_ + ":" + std::to_string(line_number_) + ": " + text);
}

void VirtualJoypads::run(std::string_view line) {
    Words w(line);
    if (w.words.empty() || w.words[0].front() == '#')
        return;
    std::string_view command = w.words[0];
    size_t n = w.words.size();

    // A whole number from lo to hi, named what in messages.
    auto whole = [&](std::string_view word, const char* what, int lo, int hi) -> std::optional<int> {
        long long v = 0;
        auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), v);
        if (end != word.data() + word.size() ||
            (error != std::errc() && error != std::errc::result_out_of_range)) {
            problem(quoted(word) + " is not a whole number");
            return std::nullopt;
        }
        if (error != std::errc() || v < lo || v > hi) {
            problem(std::string(what) + " " + std::string(word) + " is out of range (" + std::to_string(lo) +
                    " to " + std::to_string(hi) + ")");
            return std::nullopt;
        }
        return static_cast<int>(v);
    };
    auto usage = [&](const char* form) { problem(quoted(command) + " needs " + form); };
    // The plugged joystick the second word names.
    auto plugged = [&]() -> std::optional<int> {
        std::optional<int> id = whole(w.words[1], "joystick", 0, JOYSTICK_COUNT - 1);
        if (id && !bank_.present(*id)) {
            problem("joystick " + std::to_string(*id) + " is not plugged");
            return std::nullopt;
        }
        return id;
    };
    // Item number word of a joystick that has count of them.
    auto item = [&](std::string_view word, int id, const char* what, const char* plural,
                    int count) -> std::optional<int> {
        if (count == 0) {
            problem("joystick " + std::to_string(id) + " has no " + plural);
            return std::nullopt;
        }
        return whole(word, what, 0, count - 1);
    };

    if (command == "plug") {
        if (n < 4)
            return usage("ID AXES BUTTONS [NAME]");
        std::optional<int> id = whole(w.words[1], "joystick", 0, JOYSTICK_COUNT - 1);
        std::optional<int> axes = id ? whole(w.words[2], "axis count", 0, MAX_AXES) : std::nullopt;
        std::optional<int> buttons = axes ? whole(w.words[3], "button count", 0, MAX_BUTTONS) : std::nullopt;
        if (buttons)
            bank_.plug(*id, String(std::string(w.rest(4))), *axes, *buttons);
    } else if (command == "hats") {
        if (n != 3)
            return usage("ID HATS");
        std::optional<int> id = plugged();
        std::optional<int> hats = id ? whole(w.words[2], "hat count", 0, MAX_HATS) : std::nullopt;
        if (!hats)
            return;
        int buttons = bank_.button_count(*id) - 4 * bank_.hat_count(*id);
        bank_.plug(*id, bank_.name(*id), bank_.axis_count(*id), buttons, bank_.guid(*id), *hats);
    } else if (command == "unplug") {
        if (n != 2)
            return usage("ID");
        if (std::optional<int> id = plugged())
            bank_.unplug(*id);
    } else if (command == "press" || command == "release") {
        if (n != 3)
            return usage("ID BUTTON");
        std::optional<int> id = plugged();
        std::optional<int> button =
            id ? item(w.words[2], *id, "button", "buttons", bank_.button_count(*id)) : std::nullopt;
        if (button)
            bank_.set_button(*id, *button, command == "press");
    } else if (command == "axis") {
        if (n != 4)
            return usage("ID AXIS VALUE");
        std::optional<int> id = plugged();
        std::optional<int> axis =
            id ? item(w.words[2], *id, "axis", "axes", bank_.axis_count(*id)) : std::nullopt;
        if (!axis)
            return;
        std::string_view word = w.words[3];
        double v = 0;
        auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), v);
        if (end != word.data() + word.size() || error == std::errc::invalid_argument || std::isnan(v))
            return problem(quoted(word) + " is not a number");
        // Too small for a double is as good as 0; too large is out of range.
        if (error == std::errc::result_out_of_range)
            v = tiny_exponent(word) ? 0 : 2;
        if (v < -1 || v > 1)
            return problem("value " + std::string(word) + " is out of range (-1 to 1)");
        bank_.set_axis(*id, *axis, static_cast<float>(v));
    } else {
        problem("unknown command " + quoted(command));
    }
}

} // namespace lum::platform
