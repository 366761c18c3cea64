#include "lum/core/random.hpp"

#include <chrono>

namespace lum {

namespace {
constexpr int M = 397;
constexpr uint32_t MATRIX_A = 0x9908b0dfu;
constexpr uint32_t UPPER_MASK = 0x80000000u;
constexpr uint32_t LOWER_MASK = 0x7fffffffu;
} // namespace

void Random::init_genrand(uint32_t seed) {
    mt_[0] = seed;
    for (mti_ = 1; mti_ < N; ++mti_)
        mt_[mti_] = 1812433253u * (mt_[mti_ - 1] ^ (mt_[mti_ - 1] >> 30)) + static_cast<uint32_t>(mti_);
}

void Random::init_by_array(const uint32_t* key, size_t length) {
    init_genrand(19650218u);
    int i = 1;
    size_t j = 0;
    size_t k = N > length ? N : length;
    for (; k; --k) {
        mt_[i] =
            (mt_[i] ^ ((mt_[i - 1] ^ (mt_[i - 1] >> 30)) * 1664525u)) + key[j] + static_cast<uint32_t>(j);
        ++i;
        ++j;
        if (i >= N) {
            mt_[0] = mt_[N - 1];
            i = 1;
        }
        if (j >= length)
            j = 0;
    }
    for (k = N - 1; k; --k) {
        mt_[i] = (mt_[i] ^ ((mt_[i - 1] ^ (mt_[i - 1] >> 30)) * 1566083941u)) - static_cast<uint32_t>(i);
        ++i;
        if (i >= N) {
            mt_[0] = mt_[N - 1];
            i = 1;
        }
    }
    mt_[0] = 0x80000000u;
    mti_ = N;
}

void Random::twist() {
    for (int kk = 0; kk < N; ++kk) {
        uint32_t y = (mt_[kk] & UPPER_MASK) | (mt_[(kk + 1) % N] & LOWER_MASK);
        mt_[kk] = mt_[(kk + M) % N] ^ (y >> 1) ^ ((y & 1u) ? MATRIX_A : 0u);
    }
    mti_ = 0;
}

uint32_t Random::genrand_int32() {
    if (mti_ >= N) {
        if (mti_ == N + 1)
            init_genrand(5489u);
        twist();
    }
    uint32_t y = mt_[mti_++];
    y ^= (y >> 11);
    y ^= (y << 7) & 0x9d2c5680u;
    y ^= (y << 15) & 0xefc60000u;
    y ^= (y >> 18);
    return y;
}

uint32_t Random::below(uint32_t n) {
    if (n == 0)
        return 0;
    // Rejection keeps every value equally likely.
    uint32_t limit = UINT32_MAX - UINT32_MAX % n;
    uint32_t v;
    do {
        v = genrand_int32();
    } while (v >= limit);
    return v % n;
}

Random& Random::instance() {
    static Random r = [] {
        auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        auto wall = std::chrono::system_clock::now().time_since_epoch().count();
        uint32_t key[4] = {static_cast<uint32_t>(now), static_cast<uint32_t>(now >> 32),
                           static_cast<uint32_t>(wall), static_cast<uint32_t>(wall >> 32)};
        Random g;
        g.init_by_array(key, 4);
        return g;
    }();
    return r;
}

} // namespace lum
