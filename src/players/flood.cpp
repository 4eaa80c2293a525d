#include "players/flood.h"

#include <algorithm>

namespace trevosk {

Bitboard flood_wave(const Bitboard& passable, const Bitboard& sources, double w, double decay,
                    WeightGrid& weight) {
  Bitboard frontier = sources & passable;
  Bitboard visited = frontier;
  Bitboard raised;
  double v = w;
  while (frontier.any()) {
    Bitboard layer_raised;
    frontier.for_each([&](int i) {
      if (v > weight[i]) {
        weight[i] = v;
        layer_raised.set(i);
      }
    });
    raised |= layer_raised;
    frontier = layer_raised.edge_neighbours() & passable & ~visited;
    visited |= frontier;
    v = v * decay;
  }
  return raised;
}

Bitboard flood_wave_labelled(const Bitboard& passable, const Bitboard& sources,
                             std::array<int8_t, 256>& label, double w, double decay, uint32_t h,
                             WeightGrid& weight, std::array<uint32_t, 256>& have) {
  Bitboard frontier = sources & passable;
  Bitboard visited = frontier;
  Bitboard raised;
  double v = w;
  while (frontier.any()) {
    Bitboard layer_raised;
    frontier.for_each([&](int i) {
      if (v > weight[i]) {
        weight[i] = v;
        have[i] = h & ~(uint32_t{1} << label[i]);
        layer_raised.set(i);
      }
    });
    raised |= layer_raised;
    frontier = layer_raised.edge_neighbours() & passable & ~visited;
    // A square's label is the best among the raised squares it is reached from.
    frontier.for_each([&](int i) {
      int8_t best = -1;
      if (layer_raised.test(i + 1)) best = std::max(best, label[i + 1]);
      if (i >= 1 && layer_raised.test(i - 1)) best = std::max(best, label[i - 1]);
      if (layer_raised.test(i + 16)) best = std::max(best, label[i + 16]);
      if (i >= 16 && layer_raised.test(i - 16)) best = std::max(best, label[i - 16]);
      label[i] = best;
    });
    visited |= frontier;
    v = v * decay;
  }
  return raised;
}

}  // namespace trevosk
