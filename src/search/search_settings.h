// SearchSettings: what a Monte Carlo tree search is given for one move.
//
// Levels 9 and 10 are searches of a fixed number of simulations, so that a
// level plays the same on every machine and, with one thread and the same
// seed, the same game. A user may set the simulations, a time per move and
// the threads instead; with a time, the search stops at whichever limit
// comes first. The parameters below them tune the search; their defaults
// are what the match runs in docs/search.md chose.
#pragma once

#include <cstdint>

#include "search/playout.h"
#include "search/priors.h"

namespace trevosk {

constexpr int kFirstSearchLevel = 9;
constexpr int kLastSearchLevel = 10;

// The simulations per move that define a search level: about a quarter of
// a second (level 9) and two seconds (level 10) per move at the start of a
// game on one core of a 2026 server.
constexpr uint64_t kLevelPlayouts[] = {7000, 56000};
constexpr uint64_t level_playouts(int level) { return kLevelPlayouts[level - kFirstSearchLevel]; }

struct SearchParams {
  PlayoutPolicy policy;
  double explore = 0.0;   // weight of the UCB exploration term
  double rave = 2000;     // RAVE equivalence: simulations at which both weigh alike; 0: no RAVE
  double bias = 3.0;      // weight of the prior, fading as 1 / (visits + 1)
  double fpu = 0.5;       // value of an edge nothing is known of
  double widen_base = 3;  // edges open to selection: base + rate * visits^power
  double widen_rate = 1.0;
  double widen_power = 0.5;
  double score_bonus = 0.05;  // share of the value given by the mean score difference
  double score_scale = 20;    // the score difference that earns the whole share
  int expand = 4;             // visits of an edge before its node is made
  PriorWeights prior;
  double reach = 3;     // weight of the reach-map evaluation in the prior
  int reach_depth = 1;  // the deepest nodes (0: the root) whose prior it joins
  double judge = 0;     // share of a leaf's value the reach maps give in turn 1
  int judge_end = 14;   // the turn from which they give none (the share falls linearly)
  uint64_t solve = 0;   // positions the exact end search may visit; 0: none
  int memory_mb = 384;  // bound of the tree's node pool
};

struct SearchSettings {
  uint64_t playouts = 0;  // simulations per move; 0: the level's own number
  double move_time = 0;   // seconds per move; 0: no time limit
  int threads = 1;        // threads of one search, at least 1
  SearchParams params;
};

}  // namespace trevosk
