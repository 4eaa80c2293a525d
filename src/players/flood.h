// One wave of reach-map floods, computed layer by layer over bit sets.
//
// A recursive flood from each source in turn, replacing only strictly
// smaller weights, leaves every square with the best weight of any path from
// any source; and it spreads on only from squares whose weight it raised.
// Walking outward in layers, one multiplication by the decay per layer and
// spreading only from raised squares, gives the same weights and raises the
// same squares, whatever the order of the sources.
#pragma once

#include <array>
#include <cstdint>

#include "rules/bitboard.h"

namespace trevosk {

// Weights per square, indexed like the bitboards (y * 16 + x).
using WeightGrid = std::array<double, 256>;

// Floods from every source square over the passable squares with starting
// weight w; returns the squares whose weight it raised.
Bitboard flood_wave(const Bitboard& passable, const Bitboard& sources, double w, double decay,
                    WeightGrid& weight);

// The same, also storing with every raised weight the have mask h without
// the bit of the source's label. label[i] is given for every source square:
// among sources at the same distance the one with the highest label wins,
// as the earliest flood in list order does.
Bitboard flood_wave_labelled(const Bitboard& passable, const Bitboard& sources,
                             std::array<int8_t, 256>& label, double w, double decay, uint32_t h,
                             WeightGrid& weight, std::array<uint32_t, 256>& have);

}  // namespace trevosk
