#pragma once

#include "lum/text/string.hpp"

namespace lum {

// The English plural of a word ("core" -> "cores", "AXIS" -> "AXES", "sheep" -> "sheep").
String pluralize(const String& word);

} // namespace lum
