#include "players/rng.h"

#include <cassert>
#include <cmath>

namespace trevosk {

Rng Rng::from_system() {
  std::random_device rd;
  const uint64_t seed = (uint64_t{rd()} << 32) ^ rd();
  return Rng(seed);
}

int Rng::index(int n) {
  assert(n > 0);
  // Rejection keeps every index equally likely.
  const uint64_t range = static_cast<uint64_t>(n);
  const uint64_t limit = UINT64_MAX - UINT64_MAX % range;
  uint64_t r;
  do r = gen_();
  while (r >= limit);
  return static_cast<int>(r % range);
}

double Rng::real(double bound) {
  assert(bound > 0);
  // 53 random bits give a uniform double in [0, 1).
  const double unit = static_cast<double>(gen_() >> 11) * 0x1.0p-53;
  const double r = unit * bound;
  // The product can round up to the bound itself; keep the bound exclusive.
  return r < bound ? r : std::nextafter(bound, 0.0);
}

}  // namespace trevosk
