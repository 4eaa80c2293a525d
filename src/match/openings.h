// Openings: the random half-moves that start both games of a pair, so that
// deterministic seats still play varied games.
#pragma once

#include <cstdint>
#include <vector>

#include "rules/move.h"

namespace trevosk {

// The first `count` half-moves of pair `pair`: each a legal move of the side
// to move (its placements, or the pass when it has none) drawn uniformly from
// the pair's own generator. Shorter if the game ends first.
std::vector<Move> draw_opening(uint64_t master_seed, int pair, int count);

}  // namespace trevosk
