// The Monte Carlo tree search behind levels 9 and 10.
//
// From a position, simulations descend a tree of the moves tried so far,
// choosing at each node the edge of greatest value (its win rate, a share
// for its mean score difference, the all-moves-as-first (RAVE) win rate
// while it has few visits of its own, a bias toward the move's prior that
// fades with its visits, and optionally a UCB exploration term) among the
// best few by prior, a number that grows with the node's visits. Below the
// tree a playout finishes the game at random (search/playout.h), and the
// result goes back up the path. The move played is the most visited, unless
// the end of the game is near enough to be searched exactly.
//
// The search reads the position it is given and nothing else; it keeps no
// state between calls. With one thread and a simulation budget it is a
// function of the position, the settings and the seed.
#pragma once

#include <cstdint>
#include <vector>

#include "search/position.h"
#include "search/search_settings.h"

namespace trevosk {

// What the search found about one move of the root.
struct SearchCandidate {
  Move move;
  uint32_t visits = 0;
  double win_rate = 0;     // of the side to move at the root; 1/2 for a draw
  double mean_margin = 0;  // its final squares less the opponent's
  float prior = 0;
  std::vector<Move> pv;  // the move and the most visited line after it
};

struct SearchResult {
  Move move = Move::pass();
  std::vector<SearchCandidate> candidates;  // most visited first
  uint64_t simulations = 0;
  double seconds = 0;
  uint32_t nodes = 0;
  size_t tree_bytes = 0;
  bool pool_full = false;  // the tree stopped growing before the end
  bool solved = false;     // the move is the exact search's (search/endgame.h)
};

// Searches the position for the side to move, with `playouts` simulations
// (or the settings' time, whichever ends first; 0 playouts: time alone).
// A side with no placement gets the pass; a side with one placement gets
// it at once, unsearched.
SearchResult search(const SearchPosition& root, const SearchSettings& settings, uint64_t playouts,
                    uint64_t seed);

}  // namespace trevosk
