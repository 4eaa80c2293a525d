// FastRng: the search's own generator, small and quick (xoshiro256**),
// seeded from one 64-bit number through splitmix64. Each search thread
// owns one; with one thread and the same seed a search repeats exactly.
#pragma once

#include <cstdint>

namespace trevosk {

class FastRng {
 public:
  explicit FastRng(uint64_t seed) {
    for (uint64_t& w : s_) {
      seed += 0x9E3779B97F4A7C15ull;
      uint64_t z = seed;
      z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
      z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
      w = z ^ (z >> 31);
    }
  }

  uint64_t next() {
    const uint64_t result = rotl(s_[1] * 5, 7) * 9;
    const uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 45);
    return result;
  }

  // An integer in 0 .. n - 1 (n > 0), by the multiply-high method: the bias
  // is below n / 2^64, far below anything a search could notice.
  uint32_t below(uint32_t n) {
    return static_cast<uint32_t>((static_cast<unsigned __int128>(next()) * n) >> 64);
  }
  // A double in [0, 1).
  double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

 private:
  static uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  uint64_t s_[4];
};

}  // namespace trevosk
