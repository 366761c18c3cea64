#include "lum/input/logical_button.hpp"

#include <unordered_map>

namespace lum {

namespace {

// Indexed by button number; the binding files visit them in this order.
constexpr const char* NAMES[NAMED_BUTTON_COUNT + 1] = {
    "",  "Left", "Right",  "Up",     "Down", "A",     "B",      "C",    "X",    "Y",
    "Z", "Ok",   "Cancel", "Change", "Menu", "Start", "Select", "Prev", "Next",
};

} // namespace

const char* logical_button_name(int32_t n) {
    return n >= 1 && n <= NAMED_BUTTON_COUNT ? NAMES[n] : "";
}

int32_t logical_button_from_name(const String& name) {
    static const std::unordered_map<String, int32_t> numbers = [] {
        std::unordered_map<String, int32_t> map;
        for (int32_t n = 1; n <= NAMED_BUTTON_COUNT; ++n)
            map.emplace(String(NAMES[n]), n);
        return map;
    }();
    auto found = numbers.find(name);
    return found == numbers.end() ? 0 : found->second;
}

} // namespace lum
