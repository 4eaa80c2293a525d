// SearchSettings: what a Monte Carlo tree search is given for one move.
//
// Levels 9 and 10 are searches of a fixed number of simulations, so that a
// level plays the same on every machine and, with one thread and the same
// seed, the same game. A user may set the simulations, a time per move and
// the threads instead; with a time, the search stops at whichever limit
// comes first.
#pragma once

#include <cstdint>

namespace trevosk {

constexpr int kFirstSearchLevel = 9;
constexpr int kLastSearchLevel = 10;

struct SearchSettings {
  uint64_t playouts = 0;  // simulations per move; 0: the level's own number
  double move_time = 0;   // seconds per move; 0: no time limit
  int threads = 1;        // threads of one search, at least 1
};

}  // namespace trevosk
