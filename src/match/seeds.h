// Seeds of a match: every game's generator and every pair's openings come
// from the master seed and the game's (or the pair's) index alone, so a game
// is the same whichever worker or shard plays it.
#pragma once

#include <cstdint>

namespace trevosk {

// The splitmix64 finaliser: a bijective mix of all 64 bits.
uint64_t splitmix64(uint64_t x);

// The seed of game `game`'s one generator.
uint64_t game_seed(uint64_t master, int game);

// The seed of the generator that draws the openings of pair `pair` (games
// 2 * pair and 2 * pair + 1).
uint64_t opening_seed(uint64_t master, int pair);

}  // namespace trevosk
