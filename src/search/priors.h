// Priors: what the search knows of a move before it has simulated it.
//
// Cheap features of a placement: its size, how many open corners it gives
// its player, how many it takes from the opponent, and early in the game how
// far it reaches toward the middle of the board. Their weighted sum f gives
// the prior exp((f - f_best) / temperature) of each move among its
// siblings: 1 for the best, falling toward 0.
#pragma once

#include <span>

#include "search/position.h"

namespace trevosk {

struct PriorWeights {
  double size = 1.0;         // per square of the piece
  double own_corners = 0.5;  // per open corner gained by the player
  double opp_corners = 0.5;  // per open corner taken from the opponent
  double centre = 0.3;       // per step toward the middle, in the first turns
  int centre_turns = 6;      // the turns in which the middle counts
  double temperature = 1.0;
};

// The feature sum f of each move (a placement) of the side to move.
void prior_scores(const SearchPosition& s, std::span<const Move> moves, const PriorWeights& w,
                  std::span<float> out);

// Turns feature sums into priors in (0, 1], in place.
void normalise_priors(std::span<float> scores, double temperature);

}  // namespace trevosk
