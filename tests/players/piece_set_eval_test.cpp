#include "players/piece_set_eval.h"

#include <gtest/gtest.h>

#include <vector>

#include "fixtures/map_arrays.h"
#include "fixtures/random_positions.h"

namespace trevosk {
namespace {

using fixtures::Position;

int gain(int g) { return ((3 * g) / 2 + 1) / 2; }

// Catches maps filled from the wrong turn: from turn 6 on both are empty, the score the gain.
TEST(PieceSetEval, GainOnlyOnceBothMapsAreEmpty) {
  // The mover's map is from turn t + 1, the opponent's from t (player 1's) or t + 1.
  int gain_only = 0, before = 0;
  for (const Position& pos : fixtures::random_positions(616, 2)) {
    const int p = pos.player, first = p == 1 ? 6 : 5;
    if (pos.turn < first - 1) continue;
    for (int g = 1; g <= 5; ++g) {
      const double v = fixtures::com_fuun6(g, pos.field, p, pos.own(), pos.turn, pos.opp());
      if (pos.turn >= first) {
        EXPECT_EQ(v, gain(g)) << "turn " << pos.turn << " player " << p;
        ++gain_only;
      } else {
        before += v != gain(g);
      }
    }
  }
  EXPECT_GT(gain_only, 100);
  EXPECT_GT(before, 0);
}

}  // namespace
}  // namespace trevosk
