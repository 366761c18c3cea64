#pragma once

#include "lum/text/string.hpp"

#include <vector>

namespace lum {

enum CamelCase { UPPER_CAMEL = 0, LOWER_CAMEL = 1 };
enum SnakeCase { UPPER_SNAKE = 0, LOWER_SNAKE = 1 };

// An ordered list of strings, indexed 0..count-1.
class StringList {
  public:
    StringList() = default;
    StringList(std::initializer_list<String> items) : items_(items) {}

    int32_t count() const { return static_cast<int32_t>(items_.size()); }
    // Element i; out of range warns and gives a shared empty string.
    String& operator[](int32_t i);
    const String& operator[](int32_t i) const;
    void push_back(String s) { items_.push_back(std::move(s)); }

    String join() const;
    String join(Char separator) const;
    String join(const String& separator) const;
    // Elements joined without separator, capitalised (LOWER_CAMEL: first one lower case).
    String camelcase(CamelCase mode = UPPER_CAMEL) const;
    // Elements joined with "_", each lower case (or upper case with UPPER_SNAKE).
    String snakecase(SnakeCase mode = LOWER_SNAKE) const;

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

  private:
    std::vector<String> items_;
};

} // namespace lum
