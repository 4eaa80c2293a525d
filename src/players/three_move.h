// Three-move reading (levels 6 to 8): the best few candidates by their
// one-move value are read three moves deep, the candidate, the opponent's
// best reply and the mover's best answer; the rest keep their one-move value.
#pragma once

#include <vector>

#include "players/player.h"

namespace trevosk {

// Stable sort by value, largest first; equal values keep their order.
std::vector<Candidate> sort_te(std::vector<Candidate> candidates);

// The reading value of candidate m for player p on turn t (see com_sante_eval).
double play_sakiyomi(const PlayerContext& ctx, const Move& m, int p, const PiecesLeft& left,
                     const Board& field, int t, const PiecesLeft& opp_left, Evaluator answer,
                     Evaluator reply);

// All legal moves: the first think_width of the sorted one-move values, read
// and in reverse reading order, then the unread rest in sorted order.
std::vector<Candidate> com_sante_eval(const PlayerContext& ctx, int player, const PiecesLeft& left,
                                      const Board& field, int turn, const PiecesLeft& opp_left,
                                      Evaluator answer, Evaluator reply);

Move com_fuun5_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                    const Board& field, int turn, const PiecesLeft& opp_left);
Move com_fuun5r_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                     const Board& field, int turn, const PiecesLeft& opp_left);

}  // namespace trevosk
