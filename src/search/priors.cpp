#include "search/priors.h"

#include <algorithm>
#include <cmath>

#include "search/hot_path.h"

namespace trevosk {

namespace {

// How near the middle a placement reaches: 13 less the smallest distance
// (in king steps doubled, so that the four middle squares count alike)
// from one of its squares to the centre point (6.5, 6.5).
TREVOSK_INLINE int centre_reach(const Bitboard& squares) {
  int best = 26;
  squares.for_each([&](int i) {
    const int dx = std::abs(2 * Bitboard::x_of(i) - 13);
    const int dy = std::abs(2 * Bitboard::y_of(i) - 13);
    best = std::min(best, std::max(dx, dy));
  });
  return 13 - best / 2;
}

}  // namespace

TREVOSK_COUNTS_BITS void prior_scores(const SearchPosition& s, std::span<const Move> moves,
                                      const PriorWeights& w, std::span<float> out) {
  const int i = s.to_move;
  const PlacementMasks masks = s.masks(i);
  const Bitboard own_corners = masks.allowed & masks.target;
  const Bitboard opp_corners = s.corners(1 - i);
  const bool early = s.turn <= w.centre_turns;
  for (size_t k = 0; k < moves.size(); ++k) {
    const Move& m = moves[k];
    const Bitboard squares = move_squares(m);
    // The player's corners the piece covers or edges, and those it opens;
    // the opponent's corners it covers. Nothing else changes.
    const Bitboard closed = squares | squares.edge_neighbours();
    const Bitboard made = squares.diagonal_neighbours() & masks.allowed & ~closed & ~own_corners;
    const int own_gain = made.count() - (own_corners & closed).count();
    const int opp_loss = (opp_corners & squares).count();
    double f =
        w.size * shape(m.piece, m.rot).size + w.own_corners * own_gain + w.opp_corners * opp_loss;
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
