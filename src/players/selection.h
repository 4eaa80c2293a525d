// Move selection shared by the computer players, and the random assist.
#pragma once

#include <span>
#include <vector>

#include "players/player.h"

namespace trevosk {

// The first pair of greatest value: a later pair replaces the best only when
// its value is strictly greater. Returns fallback when no value exceeds floor.
template <class Pair, class T>
Move find_max(std::span<const Pair> pairs, Move fallback, T floor) {
  Move best = fallback;
  T best_value = floor;
  for (const Pair& p : pairs)
    if (p.value > best_value) {
      best = p.move;
      best_value = p.value;
    }
  return best;
}

inline Move find_max(const std::vector<Candidate>& pairs, Move fallback, double floor) {
  return find_max<Candidate, double>(pairs, fallback, floor);
}

// Pairs moves[i] with values[i] and picks with find_max, the first move as
// fallback and -9999.0 as floor.
Move find_max_of(const std::vector<Move>& moves, const std::vector<double>& values);

// Random assist: in turns 1 to 3 adds to each value, in order, a uniform draw
// from [0, 0.7 / turn); from turn 4 on returns the values and draws nothing.
std::vector<double> com_random_assist2(const std::vector<double>& values, int turn, Rng& rng);

// The move of a player that ranks by one evaluator: find_max_of over its
// values, after the random assist when random_assist is set. The named
// strategies of levels 3 to 5 (com_fuun4r_play, ...) are this with their
// evaluator.
Move play_by_evaluator(Evaluator eval, bool random_assist, const PlayerContext& ctx, int player,
                       const PiecesLeft& left, const Board& field, int turn,
                       const PiecesLeft& opp_left);

}  // namespace trevosk
