#include "search/priors.h"

#include <algorithm>
#include <cmath>

namespace trevosk {

namespace {

int open_corners(const Bitboard& own, const Bitboard& occupied, const Bitboard& start,
                 bool placed) {
  const Bitboard allowed = Bitboard::board() & ~occupied & ~own.edge_neighbours();
  return (allowed & (placed ? own.diagonal_neighbours() : start)).count();
}

// How near the middle a placement reaches: 13 less the smallest distance
// (in king steps doubled, so that the four middle squares count alike)
// from one of its squares to the centre point (6.5, 6.5).
int centre_reach(const Bitboard& squares) {
  int best = 26;
  squares.for_each([&](int i) {
    const int dx = std::abs(2 * Bitboard::x_of(i) - 13);
    const int dy = std::abs(2 * Bitboard::y_of(i) - 13);
    best = std::min(best, std::max(dx, dy));
  });
  return 13 - best / 2;
}

}  // namespace

void prior_scores(const SearchPosition& s, std::span<const Move> moves, const PriorWeights& w,
                  std::span<float> out) {
  const int i = s.to_move;
  const int o = 1 - i;
  const Bitboard occupied = s.occupied();
  const int own_before = open_corners(s.own[i], occupied, s.start[i], s.placed[i]);
  const int opp_before = open_corners(s.own[o], occupied, s.start[o], s.placed[o]);
  const bool early = s.turn <= w.centre_turns;
  for (size_t k = 0; k < moves.size(); ++k) {
    const Move& m = moves[k];
    const Bitboard squares = move_squares(m);
    const Bitboard occ = occupied | squares;
    const int own_after = open_corners(s.own[i] | squares, occ, s.start[i], true);
    const int opp_after = open_corners(s.own[o], occ, s.start[o] & ~squares, s.placed[o]);
    double f = w.size * shape(m.piece, m.rot).size + w.own_corners * (own_after - own_before) +
               w.opp_corners * (opp_before - opp_after);
    if (early) f += w.centre * centre_reach(squares);
    out[k] = static_cast<float>(f);
  }
}

void normalise_priors(std::span<float> scores, double temperature) {
  if (scores.empty()) return;
  const float best = *std::max_element(scores.begin(), scores.end());
  for (float& v : scores) v = static_cast<float>(std::exp((v - best) / temperature));
}

}  // namespace trevosk
