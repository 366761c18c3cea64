#pragma once

#include <cstddef>
#include <cstdint>

namespace lum {

// Layouts of PCM samples: 8-bit unsigned or 16-bit signed in native byte order,
// one channel or two interleaved.
enum class SampleFormat { MONO8, MONO16, STEREO8, STEREO16 };

// Uploads PCM samples into a new buffer of the open device, for attaching to
// sources, making the device ready first (AudioDevice::make_ready); 0 when no
// device is open or OpenAL refuses the data.
uint32_t create_audio_buffer(const void* samples, size_t bytes, SampleFormat format, int32_t frequency);

// Deletes a buffer that no source holds any more; nothing for 0.
void delete_audio_buffer(uint32_t buffer);

} // namespace lum
