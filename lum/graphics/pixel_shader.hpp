#pragma once

#include <cstdint>
#include <vector>

namespace lum {

// The holder of one shader program. This program compiles none; the holder
// owns its program name and deletes the program when destroyed.
class PixelShader {
  public:
    PixelShader() = default;
    PixelShader(const PixelShader&) = delete;
    PixelShader& operator=(const PixelShader&) = delete;
    virtual ~PixelShader();

    uint32_t program() const { return program_; }

  protected:
    // Source text or the compiler's log.
    std::vector<uint8_t> buffer_;
    // The OpenGL program name; 0 when none.
    uint32_t program_ = 0;
};

} // namespace lum
