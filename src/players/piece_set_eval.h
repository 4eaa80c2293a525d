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
#include "rules/filtered_moves.h"

namespace trevosk {

// A fuun6 reach map: weights and have masks, both indexed [x][y].
struct PieceSetMap {
  std::array<std::array<double, kBoardSize>, kBoardSize> weight{};
  HaveMasks have{};
};

// The have mask of a pieces-left array: bit i set while piece i is unused.
uint32_t calchave(const PiecesLeft& left);

// Fills q's map in waves from weight w and turn t with have mask h.
void fuun6_master(const Board& evaluated, Board& scratch, PieceSetMap& map, int q, double w, int t,
                  const PiecesLeft& left, uint32_t h);

double com_fuun6(int g, const Board& evaluated, int p, const PiecesLeft& left, int t,
                 const PiecesLeft& opp_left);

EvalResult com_fuun6_eval(const PlayerContext& ctx, int player, const PiecesLeft& left,
                          const Board& field, int turn, const PiecesLeft& opp_left);
Move com_fuun6_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                    const Board& field, int turn, const PiecesLeft& opp_left);
Move com_fuun6r_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                     const Board& field, int turn, const PiecesLeft& opp_left);

}  // namespace trevosk
