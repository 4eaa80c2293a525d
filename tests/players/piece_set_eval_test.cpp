#include "players/piece_set_eval.h"

#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <vector>

#include "../rules/test_positions.h"
#include "players/selection.h"
#include "reach_model.h"
#include "rules/legal_moves.h"

namespace trevosk {
namespace {

using fixtures::Position;

struct Filled {
  Board scratch;
  PieceSetMap map{};
};
Filled fill(const Board& b, int q, int t, const PiecesLeft& left) {
  Filled f{b};
  fuun6_master(b, f.scratch, f.map, q, 0.1, t, left, calchave(left));
  return f;
}

// Catches a have mask with bits for used pieces or in the wrong places.
TEST(PieceSetEval, HaveMaskHasOneBitPerUnusedPiece) {
  EXPECT_EQ(calchave(PiecesLeft()), (1u << 21) - 1);
  EXPECT_EQ(calchave(PiecesLeft::none()), 0u);
  for (uint32_t mask : {0x1u, 0x400u, 0x155555u, 0x0ABCDEu}) {
    EXPECT_EQ(calchave(PiecesLeft::from_mask(mask)), mask);
  }
}

// Both players' maps on positions from random games, against the plain
// model: catches a flood mask that keeps the bit of the piece it started
// from, waves from unfiltered placements (from turn 6 a fresh map lists
// nothing and stays empty), a blocked mark other than (1e-8, 0), and equal
// weights replacing each other's masks. Every flooded square's mask is the
// player's set less one piece.
TEST(PieceSetEval, MapsMatchTheModel) {
  const std::vector<Position> positions = fixtures::random_positions(515, 3);
  int flooded = 0;
  for (const Position& pos : positions) {
    for (int q = 1; q <= 2; ++q) {
      SCOPED_TRACE("turn " + std::to_string(pos.turn) + " player " + std::to_string(q));
      const uint32_t h = calchave(pos.left[q]);
      const Filled f = fill(pos.field, q, pos.turn, pos.left[q]);
      Board scratch = pos.field;
      const model::Map expected =
          model::master6(pos.field, scratch, q, 0.1, pos.turn, pos.left[q], h);
      ASSERT_EQ(f.scratch, scratch);
      for (int x = 0; x < kBoardSize; ++x)
        for (int y = 0; y < kBoardSize; ++y) {
          ASSERT_EQ(f.map.weight[x][y], expected.weight[x][y]) << x << "," << y;
          ASSERT_EQ(f.map.have[x][y], expected.have[x][y]) << x << "," << y;
          if (f.scratch.square(x, y) != pos.field.square(x, y)) {
            EXPECT_EQ(std::popcount(h ^ f.map.have[x][y]), 1);
            EXPECT_EQ(f.map.have[x][y] & ~h, 0u);
            ++flooded;
          }
        }
    }
  }
  EXPECT_GT(flooded, 1000);
}

// The score from its parts, with the piece-set factors: catches a wrong
// turn for either map, a wrong factor threshold, and rules applied out of
// order or with their terms grouped.
double score_from_parts(int g, const Board& b, int p, const PiecesLeft& left, int t,
                        const PiecesLeft& opp) {
  const Filled a = fill(b, p, t + 1, left);
  const Filled o = fill(b, 3 - p, p == 1 ? t : t + 1, opp);
  double v = ((3 * g) / 2 + 1) / 2;
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      const double av = a.map.weight[x][y], bv = o.map.weight[x][y];
      const double fa = a.map.have[x][y] > 1000 ? 3.0 : 1.0;
      const double fb = o.map.have[x][y] > 1000 ? 3.0 : 1.0;
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

// The evaluation over small positions of every turn: the legal list in
// order, each value the score of the position the move leaves, and from
// turn 6 (player 1) or turn 5 (player 2) on, when both maps stay empty,
// the gain term alone. The players pick the first best, with noise only in
// turns 1 to 3.
TEST(PieceSetEval, EvaluationAndChoices) {
  const std::vector<Position> positions = fixtures::random_positions(616, 2);
  int gain_only = 0;
  for (size_t i = 0; i < positions.size(); i += 3) {
    const auto small = fixtures::with_few_moves(positions[i], 6);
    if (!small) continue;
    const Position& pos = *small;
    const int p = pos.player, t = pos.turn;
    SCOPED_TRACE("turn " + std::to_string(t) + " player " + std::to_string(p));
    const EvalResult r = com_fuun6_eval(p, pos.own(), 0, pos.field, t, pos.opp());
    ASSERT_EQ(r.moves, pos.moves);
    ASSERT_EQ(r.values.size(), r.moves.size());
    const bool both_empty = t + 1 >= 6 && t + p - 1 >= 6;
    for (size_t k = 0; k < r.moves.size(); ++k) {
      Board b = pos.field;
      PiecesLeft left = pos.own();
      int g = 0;
      setpiece(r.moves[k], p, b, left, g);
      EXPECT_EQ(r.values[k], com_fuun6(g, b, p, left, t, pos.opp()));
      EXPECT_EQ(r.values[k], score_from_parts(g, b, p, left, t, pos.opp()));
      if (both_empty) {
        EXPECT_EQ(r.values[k], ((3 * g) / 2 + 1) / 2);
      }
      gain_only += both_empty;
    }
    Rng rng(4), same(4);
    const PlayerContext ctx{&rng};
    EXPECT_EQ(com_fuun6_play(ctx, p, pos.own(), 0, pos.field, t, pos.opp()),
              find_max_of(r.moves, r.values));
    EXPECT_EQ(com_fuun6r_play(ctx, p, pos.own(), 0, pos.field, t, pos.opp()),
              find_max_of(r.moves, com_random_assist2(r.values, t, same)));
    EXPECT_EQ(rng.index(1 << 30), same.index(1 << 30));
  }
  EXPECT_GT(gain_only, 10);
}

// Piece sets whose floods from their largest piece "k" carry 1016 or
// exactly 1000, on both sides of the factor's threshold, for the mover and
// for the opponent: catches a threshold other than "more than 1000".
TEST(PieceSetEval, FactorThreshold) {
  const std::vector<Position> positions = fixtures::random_positions(717, 1);
  for (const Position& pos : positions) {
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

// A starting weight that underflows to zero must not keep the waves going.
TEST(PieceSetEval, WavesEndWhenTheWeightUnderflows) {
  const std::vector<Position> positions = fixtures::random_positions(18, 1);
  for (const Position& pos : {positions[2], positions[5], positions[8]}) {
    Board scratch = pos.field;
    PieceSetMap map{};
    fuun6_master(pos.field, scratch, map, pos.player, 1e-320, pos.turn, pos.own(),
                 calchave(pos.own()));
    for (const auto& col : map.weight)
      for (double w : col) EXPECT_TRUE(w == 1e-8 || w < 1e-318) << w;
  }
}

}  // namespace
}  // namespace trevosk
