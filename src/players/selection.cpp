#include "players/selection.h"

#include <cassert>

namespace trevosk {

Move find_max_of(const std::vector<Move>& moves, const std::vector<double>& values) {
  assert(!moves.empty() && moves.size() == values.size());
  Move best = moves.front();
  double best_value = -9999.0;
  for (size_t i = 0; i < moves.size(); ++i)
    if (values[i] > best_value) {
      best = moves[i];
      best_value = values[i];
    }
  return best;
}

std::vector<double> com_random_assist2(const std::vector<double>& values, int turn, Rng& rng) {
  if (turn >= 4) return values;
  std::vector<double> noisy;
  noisy.reserve(values.size());
  const double bound = 0.7 / turn;
  for (double v : values) noisy.push_back(v + rng.real(bound));
  return noisy;
}

}  // namespace trevosk
