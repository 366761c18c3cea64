#pragma once

#include "lum/text/string.hpp"

namespace lum {

// A value that can print itself in a fixed, human-readable form.
class ToStringInterface {
  public:
    virtual ~ToStringInterface() = default;

    virtual String to_string() const = 0;

  protected:
    ToStringInterface() = default;
    ToStringInterface(const ToStringInterface&) = default;
    ToStringInterface& operator=(const ToStringInterface&) = default;
};

} // namespace lum
