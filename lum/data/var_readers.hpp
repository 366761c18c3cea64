#pragma once

#include "lum/data/var.hpp"
#include "lum/text/string.hpp"

#include <string_view>

namespace lum {

// The readers behind Var::parse. Each reshapes target as it goes; on failure
// they throw DataParseException and what was read before stays in target.

// YAML text as UTF-8 bytes, through libyaml's event parser; only the first
// document is read.
void read_yaml(Var& target, std::string_view utf8);
// The same for UTF-16 text; lone surrogates, which libyaml refuses, go as U+FFFD.
void read_yaml(Var& target, const String& text);
// "[section]" headers and "key = value" (or "key: value") lines.
void read_sections(Var& target, const String& text);
// Comma-separated values: a list of rows, each a list of fields.
void read_csv(Var& target, const String& text);

// The exception for a document nested deeper than Var::MAX_DEPTH.
[[noreturn]] void throw_too_deep();

} // namespace lum
