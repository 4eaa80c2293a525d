// Ratings of a tournament's seats: the maximum-likelihood Bradley-Terry fit
// of every game, in logistic Elo.
//
// Seat i scores against seat j with probability 1 / (1 + 10^((r_j - r_i) /
// 400)); a draw counts as half a win for each. The fit maximises the
// likelihood of the points scored in every pairing (Hunter's
// minorisation-maximisation iteration). Intervals are 1.96 standard errors
// from the inverse of the observed information at the fit, under the
// anchor's constraint: the first seat at 0, or the mean of the ratings at 0.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace trevosk {

// Games between seats a and b, and the points a scored in them.
struct PairingScore {
  int a = 0;
  int b = 0;
  double games = 0;
  double points_a = 0;
};

struct Rating {
  double elo = 0;
  double low = 0;
  double high = 0;
};

enum class RatingAnchor : uint8_t { FirstSeat, Mean };

struct RatingFit {
  std::vector<Rating> ratings;  // empty when the seats' games do not connect them all
  // The plain maximum has no finite solution (a group of seats lost or won
  // every game against the rest): the fit then adds one draw to every
  // pairing that played.
  bool draw_added = false;
};

RatingFit fit_ratings(int seats, std::span<const PairingScore> pairings, RatingAnchor anchor);

}  // namespace trevosk
