// Rng: the program's single source of random numbers.
//
// trevosk makes one per run, seeded from the system or from TREVOSK_SEED;
// trevosk-engine seeds one from the system and reseeds it on set_seed;
// trevosk-match seeds one per game from its master seed; the tests seed their
// own. With the same seed a game replays exactly. Strategies receive it
// through their PlayerContext and draw in a fixed order.
#pragma once

#include <cstdint>
#include <random>

namespace trevosk {

class Rng {
 public:
  explicit Rng(uint64_t seed) : gen_(seed) {}
  // A generator seeded from the system's entropy source.
  static Rng from_system();

  // Uniform integer in 0 .. n - 1; n must be positive.
  int index(int n);
  // Uniform real r with 0 <= r < bound; bound must be positive.
  double real(double bound);

 private:
  std::mt19937_64 gen_;
};

}  // namespace trevosk
