#pragma once

#include "lum/audio/audio_source.hpp"

#include <vector>

namespace lum {

// A fixed set of sources. In an indexed group the caller names the source to
// play on; otherwise the device picks a free one, or the one started earliest.
// The device sizes its groups once; they are never resized while it exists,
// because the monitor thread walks them without a lock.
struct SourceGroup {
    bool by_index = false;
    std::vector<AudioSource> sources;
};

} // namespace lum
