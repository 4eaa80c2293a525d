#include "players/flood.h"

#include <algorithm>

namespace trevosk {

namespace {

// The layers of one wave: set(i, v) is asked to raise square i to weight v
// and answers whether it did; next_layer(frontier, raised) sees each new
// layer and the squares of the previous one it was reached from. Returns
// every raised square.
template <class Set, class NextLayer>
Bitboard flood_layers(const Bitboard& passable, const Bitboard& sources, double w, double decay,
                      Set&& set, NextLayer&& next_layer) {
  Bitboard frontier = sources & passable;
  Bitboard visited = frontier;
  Bitboard raised;
  double v = w;
  while (frontier.any()) {
    Bitboard layer_raised;
    frontier.for_each([&](int i) {
      if (set(i, v)) layer_raised.set(i);
    });
    raised |= layer_raised;
    frontier = layer_raised.edge_neighbours() & passable & ~visited;
    next_layer(frontier, layer_raised);
    visited |= frontier;
    v = v * decay;
  }
  return raised;
}

}  // namespace

Bitboard flood_wave(const Bitboard& passable, const Bitboard& sources, double w, double decay,
                    WeightGrid& weight) {
  return flood_layers(
      passable, sources, w, decay,
      [&](int i, double v) {
        if (!(v > weight[i])) return false;
        weight[i] = v;
        return true;
      },
      [](const Bitboard&, const Bitboard&) {});
}

Bitboard flood_wave_labelled(const Bitboard& passable, const Bitboard& sources,
                             std::array<int8_t, 256>& label, double w, double decay, uint32_t h,
                             WeightGrid& weight, std::array<uint32_t, 256>& have) {
  return flood_layers(
      passable, sources, w, decay,
      [&](int i, double v) {
        if (!(v > weight[i])) return false;
        weight[i] = v;
        have[i] = h & ~(uint32_t{1} << label[i]);
        return true;
      },
      // A square's label is the best among the raised squares it is reached from.
      [&](const Bitboard& frontier, const Bitboard& from) {
        frontier.for_each([&](int i) {
          int8_t best = -1;
          if (from.test(i + 1)) best = std::max(best, label[i + 1]);
          if (i >= 1 && from.test(i - 1)) best = std::max(best, label[i - 1]);
          if (from.test(i + 16)) best = std::max(best, label[i + 16]);
          if (i >= 16 && from.test(i - 16)) best = std::max(best, label[i - 16]);
          label[i] = best;
        });
      });
}

}  // namespace trevosk
