// Reach-map evaluation with piece sets (player 2's level 3).
//
// Like the fuun4 evaluation, but every map square also remembers the pieces
// still to be placed on the flood that reached it (its have mask); waves list
// their placements with the filtered enumeration, which consults those masks,
// and squares reached while many pieces remain weigh three times as much.
#pragma once

#include <array>
#include <cstdint>

#include "players/player.h"
#include "players/reach_map.h"

namespace trevosk {

// A piece-set map in bitboard order: per square the flood weight (or the
// blocked mark) and the have mask, and the squares the waves marked.
struct BitPieceSetMap {
  WeightGrid weight;
  std::array<uint32_t, 256> have;
  Bitboard flooded;
};

// The have mask of a pieces-left array: bit i set while piece i is unused.
uint32_t calchave(const PiecesLeft& left);

// Fills a player's map in waves from weight w, turn t and have mask h.
void fill_piece_set_map(const MapSide& side, double w, int t, const PiecesLeft& left, uint32_t h,
                        BitPieceSetMap& map);

// The score of the evaluated position for mover p after a candidate of g
// squares on game turn t, from the two sides of that position; left is p's
// pieces-left after the candidate.
double com_fuun6(int g, const MapSide& mover, const MapSide& opponent, const PiecesLeft& left,
                 int t, int p, const PiecesLeft& opp_left);

EvalResult com_fuun6_eval(const PlayerContext& ctx, int player, const PiecesLeft& left,
                          const Board& field, int turn, const PiecesLeft& opp_left);
Move com_fuun6_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                    const Board& field, int turn, const PiecesLeft& opp_left);
Move com_fuun6r_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                     const Board& field, int turn, const PiecesLeft& opp_left);

}  // namespace trevosk
