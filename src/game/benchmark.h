// The benchmark's fixed work and its signature.
//
// The positions are those of the default game (two level-8 players, joseki
// on, generator seeded with 1) at the start of turns 1, 4, 8, 10, 12 and
// 16. The signature is a checksum (FNV-1a) of everything an implementation of
// the players computes on them: both players' legal lists, the values of the
// four evaluators, the decision of every level 3 to 8 for each player, and
// the moves of a whole default game. A change that should not alter play
// must not move it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/game.h"
#include "players/player.h"

namespace trevosk {

struct BenchPosition {
  std::string name;  // e.g. "mid-10"
  GameState state;   // player 1 to move
};

const std::vector<BenchPosition>& bench_positions();

// One implementation of what the signature covers: the legal list, the four
// evaluators, and its counterpart of each level-table strategy.
struct PlayersImplementation {
  const char* name;
  std::vector<Move> (*legal)(int player, const PiecesLeft& left, const Board& field, int turn);
  Evaluator fuun3, fuun4, fuun4s, fuun6;
  ComPlayer (*strategy)(ComPlayer level_table_entry);
};

// The implementation in src/.
const PlayersImplementation& fast_players();

// The decision of `player` at `level` (3..8, no random assist) in a position.
Move bench_decision(const PlayersImplementation& impl, const GameState& s, int player, int level);

// The moves of the default game played with impl.
std::vector<Move> default_game(const PlayersImplementation& impl);

uint64_t bench_signature(const PlayersImplementation& impl);

}  // namespace trevosk
