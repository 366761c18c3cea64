#include "lum/text/extended_ascii.hpp"

namespace lum {

char16_t ISO8859_15Char::to_unicode() const {
    // Latin-9 differs from Latin-1 in these eight places only.
    switch (code_) {
    case 0xA4:
        return u'\u20AC';
    case 0xA6:
        return u'\u0160';
    case 0xA8:
        return u'\u0161';
    case 0xB4:
        return u'\u017D';
    case 0xB8:
        return u'\u017E';
    case 0xBC:
        return u'\u0152';
    case 0xBD:
        return u'\u0153';
    case 0xBE:
        return u'\u0178';
    default:
        return code_;
    }
}

} // namespace lum
