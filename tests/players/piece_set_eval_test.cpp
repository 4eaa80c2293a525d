#include "players/piece_set_eval.h"

#include <gtest/gtest.h>

#include <vector>

#include "fixtures/random_positions.h"

namespace trevosk {
namespace {

using fixtures::Position;

int gain(int g) { return ((3 * g) / 2 + 1) / 2; }

// The score rebuilt from the two maps with the piece-set factors (3 where a
// square's mask exceeds 1000), the rules applied term by term.
double score_from_parts(int g, const Board& b, int p, const PiecesLeft& left, int t,
                        const PiecesLeft& opp) {
  PieceSetMap a{}, o{};
  Board scratch_a = b, scratch_o = b;
  fuun6_master(b, scratch_a, a, p, 0.1, t + 1, left, calchave(left));
  fuun6_master(b, scratch_o, o, 3 - p, 0.1, p == 1 ? t : t + 1, opp, calchave(opp));
  double v = gain(g);
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      const double av = a.weight[x][y], bv = o.weight[x][y];
      const double fa = a.have[x][y] > 1000 ? 3.0 : 1.0, fb = o.have[x][y] > 1000 ? 3.0 : 1.0;
      if (av == 0.0 && bv > 0.0)
        v = v - 5.0 * bv;
      else if (av > 0.0 && bv == 0.0)
        v = v + 5.0 * av;
      else if (av < 1e-7 && bv > 0.0)
        v = v - 2.0 * bv * fb;
      else if (av > 0.0 && bv < 1e-7)
        v = v + 2.0 * av * fa;
      else
        v = v + av * fa - bv * fb;
    }
  return v;
}

// Catches a piece-set factor threshold other than "more than 1000".
TEST(PieceSetEval, FactorThreshold) {
  // Sets 0x7F8 and 0x7E8: floods from their largest piece, "k", carry 1016 and exactly 1000.
  for (const Position& pos : fixtures::random_positions(717, 1)) {
    if (pos.turn > 4) continue;
    for (uint32_t mover : {0x7F8u, 0x7E8u})
      for (uint32_t opp : {0x7F8u, 0x7E8u}) {
        const PiecesLeft l = PiecesLeft::from_mask(mover), o = PiecesLeft::from_mask(opp);
        EXPECT_EQ(com_fuun6(3, pos.field, pos.player, l, pos.turn, o),
                  score_from_parts(3, pos.field, pos.player, l, pos.turn, o))
            << "turn " << pos.turn << " player " << pos.player;
      }
  }
}

// Catches maps filled from the wrong turn: from turn 6 on both are empty, the score the gain.
TEST(PieceSetEval, GainOnlyOnceBothMapsAreEmpty) {
  // The mover's map is from turn t + 1, the opponent's from t (player 1's) or t + 1.
  int gain_only = 0, before = 0;
  for (const Position& pos : fixtures::random_positions(616, 2)) {
    const int p = pos.player, first = p == 1 ? 6 : 5;
    if (pos.turn < first - 1) continue;
    for (int g = 1; g <= 5; ++g) {
      const double v = com_fuun6(g, pos.field, p, pos.own(), pos.turn, pos.opp());
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
