// The probe pattern of the reach-map filtered enumeration: from turn 6 on
// the piece-set evaluation keeps only placements of a piece P whose
// reference square has, among its 42 probe cells, one whose have mask
// carries bit P. The probe cells of a reference square (x, y) are
// (x + dx, y + dy) for dx in {-1, -2, +1, +2, -3, +3} and dy in {0, +1, +2,
// +3, -1, -2, -3}; never the square's own column.
#pragma once

#include "rules/bitboard.h"
#include "rules/move.h"

namespace trevosk {

// The reference squares from whose probe cells one of the marked squares is
// seen: the marked set dilated by the probe pattern.
Bitboard probe_anchors(const Bitboard& marked);

}  // namespace trevosk
