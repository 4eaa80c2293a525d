// The random player (level 1) and the Monte Carlo player (level 2).
#pragma once

#include "players/player.h"

namespace trevosk {

// A legal move drawn uniformly from make_legal_list.
Move com_rand_play(const PlayerContext& ctx, int player, const PiecesLeft& left, const Board& field,
                   int turn, const PiecesLeft& opp_left);

// Scores every legal move by one random continuation: the squares the mover
// places minus those the opponent places, until a side is blocked, turn 21,
// fifteen turns beyond the real one, or a value below -2.
Move com_monte_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                    const Board& field, int turn, const PiecesLeft& opp_left);

// The continuation from one candidate: q moves next on turn t, with the
// running value v; p and t0 are the deciding player and its real turn.
int com_mont(Rng& rng, int p, int t0, int v, Board& board, int t, int q, PiecesLeft& left_q,
             PiecesLeft& left_other);

}  // namespace trevosk
