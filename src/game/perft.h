// perft: the number of half-move sequences of a given length from a game's
// position, under the game loop's rules.
//
// A player who can place has its legal placements (a pass by choice is not
// counted); a player who cannot has one move, the pass. Once the game is over
// no sequence goes on, so a finished game counts 1 at depth 0 and 0 beyond.
#pragma once

#include <cstdint>

#include "game/game.h"

namespace trevosk {

uint64_t perft(const Game& game, int depth);

}  // namespace trevosk
