// Reach-map filtered enumeration: the legal moves of make_legal_list, from
// turn 6 on keeping only placements of a piece P whose reference square has,
// among its 42 probe cells, one whose have mask carries bit P.
#pragma once

#include <array>
#include <cstdint>

#include "rules/board.h"
#include "rules/move_list.h"

namespace trevosk {

// Have masks of a reach map, indexed [x][y] (column first): bit i marks
// piece i as still to be placed on the flood that reached the square.
using HaveMasks = std::array<std::array<uint32_t, kBoardSize>, kBoardSize>;

// The 42 probe cells around a reference square: dx in {-1, -2, +1, +2, -3,
// +3}, dy in {0, +1, +2, +3, -1, -2, -3}; never the square's own column.
bool f6_table_legal(const HaveMasks& have, int piece, int x, int y);

// The reference squares from whose probe cells one of the marked squares is
// seen: the marked set dilated by the probe pattern.
Bitboard probe_anchors(const Bitboard& marked);

void f6_make_legal_list(int player, const PiecesLeft& left, const Board& field, int turn,
                        const HaveMasks& have, MoveList& out);

}  // namespace trevosk
