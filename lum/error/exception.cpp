#include "lum/error/exception.hpp"

#include "lum/text/format.hpp"

namespace lum {

String describe(const Exception& e) {
    if (e.message.empty())
        return e.description();
    return Format("{0} ({1})", e.message, e.description());
}

} // namespace lum
