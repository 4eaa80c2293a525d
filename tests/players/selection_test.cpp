#include "players/selection.h"

#include <gtest/gtest.h>

#include <vector>

namespace trevosk {
namespace {

// Index of the move chosen among moves valued `values`, the first as
// fallback.
int chosen(const std::vector<double>& values, double floor = -9999.0) {
  std::vector<Candidate> c;
  for (size_t i = 0; i < values.size(); ++i)
    c.push_back({make_move(static_cast<int>(i), 0, 0, 0), values[i]});
  return find_max(c, c.front().move, floor).x;
}

// Catches a later equal value winning, a non-strict floor, or the fallback not returned.
TEST(FindMax, EarliestOfTheGreatestAboveTheFloor) {
  EXPECT_EQ(chosen({1.0, 3.0, 3.0, 2.0}), 1);
  EXPECT_EQ(chosen({-9999.0, -9999.0, -1e5}), 0);
  EXPECT_EQ(chosen({-2.0, -1.0, 5.0, 5.0}, 5.0), 0);
  EXPECT_EQ(chosen({-1e30}), 0);
  EXPECT_EQ(chosen({7.0}), 0);
  const std::vector<Move> moves = {make_move(0, 0, 0, 0), make_move(1, 0, 0, 0)};
  EXPECT_EQ(find_max_of(moves, {2.0, 2.0}), moves[0]);
  EXPECT_EQ(find_max_of(moves, {-1e5, -9999.0}), moves[0]);
}

// Catches noise outside [0, 0.7 / turn), draws out of order, or noise from turn 4 on.
TEST(RandomAssist, BoundedNoiseOnlyInTheFirstThreeTurns) {
  const std::vector<double> values = {0.0, 1.5, -3.25, 1e-8, 100.0, 0.0, 2.0};
  for (int turn = 1; turn <= 5; ++turn) {
    Rng rng(11 + turn), same(11 + turn);
    const std::vector<double> noisy = com_random_assist2(values, turn, rng);
    ASSERT_EQ(noisy.size(), values.size());
    for (size_t i = 0; i < values.size(); ++i) {
      const double expected = turn <= 3 ? values[i] + same.real(0.7 / turn) : values[i];
      EXPECT_EQ(noisy[i], expected) << "turn " << turn;
      EXPECT_GE(noisy[i], values[i]);
      EXPECT_LT(noisy[i] - values[i], 0.7 / turn);
    }
    EXPECT_EQ(rng.index(1 << 30), same.index(1 << 30)) << "turn " << turn;
  }
}

}  // namespace
}  // namespace trevosk
