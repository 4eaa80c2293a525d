#include "players/reach_map.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "fixtures/map_arrays.h"
#include "fixtures/random_positions.h"
#include "players/piece_set_eval.h"

namespace trevosk {
namespace {

constexpr FuunVariant kVariants[] = {FuunVariant::Fuun3, FuunVariant::Fuun4, FuunVariant::Fuun4s};
constexpr const char* kNames[] = {"fuun3", "fuun4", "fuun4s", "fuun6"};
constexpr double kBlockedMark[] = {0.0, 1e-8, 1e-8, 1e-8};

// q's map of variant v (3: the piece-set evaluation), filled on a copy of
// the board.
ReachMap map_of(int v, const Board& b, int q, double w, int t, const PiecesLeft& left) {
  Board scratch = b;
  if (v == 3) {
    PieceSetMap m{};
    fixtures::fuun6_master(b, scratch, m, q, w, t, left, calchave(left));
    return m.weight;
  }
  ReachMap m{};
  fixtures::fuun_master(kVariants[v], b, scratch, m, q, w, t, left);
  return m;
}

bool occupied(const Board& b, int x, int y) { return b.occupied().test(Bitboard::index(x, y)); }

// Catches a wrong gain constant, or rule terms grouped before they are added.
TEST(ReachMap, GainTablesAndTermByTermRounding) {
  // Adding a rule's terms one by one rounds differently from adding their difference.
  const int gain[3][5] = {{1, 2, 5, 8, 13}, {1, 2, 2, 3, 4}, {2, 4, 5, 7, 9}};
  for (int v = 0; v < 3; ++v)
    for (int g = 1; g <= 5; ++g) EXPECT_EQ(fuun_gain(kVariants[v], g), gain[v][g - 1]) << v << g;
  const double acc = 7.0 / 3.0, a = 0.7, b = 0.35;
  ASSERT_NE((acc + a) - b, acc + (a - b));
  ASSERT_NE((acc + a) - 2.0 * b, acc + (a - 2.0 * b));
  EXPECT_EQ(fuun_cell(FuunVariant::Fuun3, acc, a, b), (acc + a) - 2.0 * b);
  EXPECT_EQ(fuun_cell(FuunVariant::Fuun4, acc, a, b), (acc + a) - b);
  EXPECT_EQ(fuun_cell(FuunVariant::Fuun4s, acc, a, b), (acc + a) - 2.0 * b);
}

// Catches values on occupied squares, weights next to own squares, endless tiny waves.
TEST(ReachMap, OccupiedBlockedAndTinyWeights) {
  int marked = 0;
  for (const fixtures::Position& pos : fixtures::random_positions(4242, 1))
    for (int v = 0; v < 4; ++v)
      for (int q = 1; q <= 2; ++q) {
        for (const auto& column : map_of(v, pos.field, q, 1e-320, pos.turn, pos.left[q]))
          for (double w : column) EXPECT_TRUE(w == kBlockedMark[v] || w < 1e-318) << kNames[v];
        const ReachMap m = map_of(v, pos.field, q, 0.1, pos.turn, pos.left[q]);
        const Bitboard next_to_own = pos.field.owned(q).edge_neighbours();
        for (int x = 0; x < kBoardSize; ++x)
          for (int y = 0; y < kBoardSize; ++y) {
            if (occupied(pos.field, x, y)) {
              EXPECT_EQ(m[x][y], 0.0) << kNames[v] << " at " << x << "," << y;
            } else if (next_to_own.test(Bitboard::index(x, y))) {
              EXPECT_TRUE(m[x][y] == 0.0 || m[x][y] == kBlockedMark[v])
                  << kNames[v] << " at " << x << "," << y << ": " << m[x][y];
              marked += m[x][y] != 0.0;
            }
          }
      }
  EXPECT_GT(marked, 100);
}

// Catches turn-1 waves not from the start square alone, a wrong decay or mobility factor.
TEST(ReachMap, TurnOneOpponentMapFloodsFromTheStartSquareAlone) {
  // After 66t0 player 2's one wave floods from (9, 9), decayed once per step.
  Board b;
  PiecesLeft left1;
  int score = 0;
  setpiece(make_move(5, 5, 19, 0), 1, b, left1, score);
  const double decay[] = {0.85, 0.75, 0.75};
  const double start[] = {0.1, 0.1, 0.1 * 10};  // 418 placements: factor capped at 10
  for (int v = 0; v < 3; ++v) {
    const ReachMap m = map_of(v, b, 2, 0.1, 1, PiecesLeft());
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y) {
        double expected = occupied(b, x, y) ? 0.0 : start[v];
        // The few occupied squares are never in the way of a shortest path.
        for (int s = std::abs(x - 9) + std::abs(y - 9); s > 0; --s) expected *= decay[v];
        EXPECT_EQ(m[x][y], expected) << kNames[v] << " at " << x << "," << y;
      }
  }
}

}  // namespace
}  // namespace trevosk
