// The level table: what computer level 1 to 8 is for each player.
//
// Per level, the strategy of player 1 and of player 2, their random-assist
// forms, and the think width the level forces on the three-move reading
// (levels 6 and 7; level 8 reads the configured width). Player 1's and
// player 2's strategies differ at levels 3 to 8; levels 6 to 8 differ only by
// their width.
#pragma once

#include <vector>

#include "players/player.h"

namespace trevosk {

constexpr int kMinLevel = 1;
constexpr int kMaxLevel = 8;

// The strategy serving `player` at `level` (1..8), with or without random assist.
ComPlayer level_strategy(int player, int level, bool random_assist);

// The think width a seat at `level` reads: 4 at level 6, 7 at level 7, the
// configured width otherwise.
int level_think_width(int level, int configured);

// The values `player`'s seat at `level` chooses its move by (without random
// assist): every legal move with its value, in the order the seat scans them,
// so that the seat plays the first move of greatest value. Levels 3 to 5 give
// their evaluator's values, levels 6 to 8 the three-move reading with the
// context's think width; levels 1 and 2 value nothing and give an empty list.
std::vector<Candidate> level_values(const PlayerContext& ctx, int player, int level,
                                    const PiecesLeft& left, const Board& field, int turn,
                                    const PiecesLeft& opp_left);

}  // namespace trevosk
