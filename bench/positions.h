// Fixed benchmark positions: the default game (two level-8 players, opening
// book on) replayed to the start of chosen turns.
#pragma once

#include <string>
#include <vector>

#include "game/game_state.h"

namespace trevosk::bench {

struct BenchPosition {
  std::string name;  // e.g. "mid-10"
  GameState game;
  int turn;
};

// Turn 1 (empty board), early (turn 4), mid game (turns 8, 10, 12) and late
// (turn 16), each before player 1's move.
const std::vector<BenchPosition>& bench_positions();

}  // namespace trevosk::bench
