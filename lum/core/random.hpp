#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace lum {

// The 32-bit Mersenne Twister MT19937 (Matsumoto and Nishimura, 2002 reference
// algorithm), used for game randomness and for the keystream of scrambled files.
class Random {
  public:
    // Seeded with init_genrand(5489), the reference default.
    Random() { init_genrand(5489u); }
    explicit Random(uint32_t seed) { init_genrand(seed); }

    // Restarts the sequence from one 32-bit seed.
    void init_genrand(uint32_t seed);
    // Restarts the sequence from a key of any length (init_by_array).
    void init_by_array(const uint32_t* key, size_t length);
    // The next 32-bit output (genrand_int32).
    uint32_t genrand_int32();
    // A value in [0, n) for n > 0 (n = 0 gives 0).
    uint32_t below(uint32_t n);

    // The process-wide generator, seeded at start from the clock and the process.
    static Random& instance();

  private:
    void twist();

    static constexpr int N = 624;
    std::array<uint32_t, N> mt_{};
    int mti_ = N + 1;
};

} // namespace lum
