#include "players/reach_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "../rules/test_positions.h"
#include "players/reach_players.h"
#include "players/selection.h"
#include "reach_model.h"
#include "rules/legal_moves.h"

namespace trevosk {
namespace {

using fixtures::Position;

constexpr FuunVariant kVariants[] = {FuunVariant::Fuun3, FuunVariant::Fuun4, FuunVariant::Fuun4s};

std::string name(FuunVariant v) {
  return v == FuunVariant::Fuun3 ? "fuun3" : v == FuunVariant::Fuun4 ? "fuun4" : "fuun4s";
}

bool occupied(const Board& b, int x, int y) {
  const Cell c = b.square(x, y);
  return c == Cell::Owned1 || c == Cell::Owned2;
}

bool next_to_own(const Board& b, int x, int y, int q) {
  auto own = [&](int i, int j) {
    return fixtures::on_board(i, j) && b.square(i, j) == owned_cell(q);
  };
  return own(x + 1, y) || own(x - 1, y) || own(x, y + 1) || own(x, y - 1);
}

// Catches a wrong constant in the gain tables or in the parameter sets.
TEST(ReachMap, GainTermsAndParameters) {
  const int gain[3][5] = {{1, 2, 5, 8, 13}, {1, 2, 2, 3, 4}, {2, 4, 5, 7, 9}};
  for (int v = 0; v < 3; ++v)
    for (int g = 1; g <= 5; ++g) EXPECT_EQ(fuun_gain(kVariants[v], g), gain[v][g - 1]) << v << g;
  EXPECT_EQ(fuun_params(FuunVariant::Fuun3).decay, 0.85);
  EXPECT_EQ(fuun_params(FuunVariant::Fuun3).blocked_mark, 0.0);
  EXPECT_FALSE(fuun_params(FuunVariant::Fuun3).mobility);
  EXPECT_EQ(fuun_params(FuunVariant::Fuun4).decay, 0.75);
  EXPECT_EQ(fuun_params(FuunVariant::Fuun4).blocked_mark, 1e-8);
  EXPECT_FALSE(fuun_params(FuunVariant::Fuun4).mobility);
  EXPECT_EQ(fuun_params(FuunVariant::Fuun4s).decay, 0.75);
  EXPECT_EQ(fuun_params(FuunVariant::Fuun4s).blocked_mark, 1e-8);
  EXPECT_TRUE(fuun_params(FuunVariant::Fuun4s).mobility);
}

// Each case names the rule that must apply; acc, a and b are chosen so that
// adding a rule's terms one by one rounds differently from adding their
// difference. Catches a rule out of order, a wrong threshold or factor, a
// non-strict comparison and terms grouped before they are added.
TEST(ReachMap, CellRules) {
  const double acc = 7.0 / 3.0, a = 0.7, b = 0.35;
  ASSERT_NE((acc + a) - b, acc + (a - b));
  ASSERT_NE((acc + a) - 2.0 * b, acc + (a - 2.0 * b));
  struct Case {
    FuunVariant v;
    double a, b, expected;
  };
  const Case cases[] = {
      // fuun3: rules 3, 4 and 6 only, thresholds 1e-6.
      {FuunVariant::Fuun3, 0.0, b, acc - 15.0 * b},
      {FuunVariant::Fuun3, 5e-7, b, acc - 15.0 * b},
      {FuunVariant::Fuun3, a, 0.0, acc + 10.0 * a},
      {FuunVariant::Fuun3, a, 5e-7, acc + 10.0 * a},
      {FuunVariant::Fuun3, a, 0.9, (acc + a) - 2.0 * 0.9},
      {FuunVariant::Fuun3, a, b, (acc + a) - 2.0 * b},
      {FuunVariant::Fuun3, 0.0, 0.0, acc},
      // fuun4: thresholds 1e-7, b > 0.5 strict.
      {FuunVariant::Fuun4, 0.0, b, acc - 5.0 * b},
      {FuunVariant::Fuun4, a, 0.0, acc + 5.0 * a},
      {FuunVariant::Fuun4, 1e-8, b, acc - 2.0 * b},
      {FuunVariant::Fuun4, 1e-8, 1e-8, acc - 2.0 * 1e-8},
      {FuunVariant::Fuun4, a, 1e-8, acc + 2.0 * a},
      {FuunVariant::Fuun4, 5e-7, b, (acc + 5e-7) - b},
      {FuunVariant::Fuun4, a, 0.9, acc - 0.9},
      {FuunVariant::Fuun4, a, 0.5, (acc + a) - 0.5},
      {FuunVariant::Fuun4, a, b, (acc + a) - b},
      {FuunVariant::Fuun4, 0.0, 0.0, acc},
      // fuun4s.
      {FuunVariant::Fuun4s, 0.0, b, acc - 3.0 * b},
      {FuunVariant::Fuun4s, a, 0.0, acc + 3.0 * a},
      {FuunVariant::Fuun4s, 1e-8, b, acc - 1.0 * b},
      {FuunVariant::Fuun4s, a, 1e-8, acc + 1.3 * a},
      {FuunVariant::Fuun4s, a, 0.9, acc - 3.0 * 0.9},
      {FuunVariant::Fuun4s, a, b, (acc + a) - 2.0 * b},
      {FuunVariant::Fuun4s, 0.0, 0.0, acc},
  };
  for (const Case& c : cases)
    EXPECT_EQ(fuun_cell(c.v, acc, c.a, c.b), c.expected)
        << name(c.v) << " a=" << c.a << " b=" << c.b;
}

// Fills q's map on a copy of the board with the variant's waves.
struct Filled {
  Board scratch;
  ReachMap map{};
};
Filled fill(FuunVariant v, const Board& b, int q, double w, int t, const PiecesLeft& left) {
  Filled f{b};
  fuun_master(v, b, f.scratch, f.map, q, w, t, left);
  return f;
}

// Both players' maps on positions from random games, for every parameter
// set, against the plain model: catches waves from the wrong placements,
// with the wrong weight or mobility factor, stopped too early or too late,
// a wrong decay or blocked mark, and scratch marks that differ from the
// flooded squares. Occupied squares must hold 0.0, and squares next to the
// player's own never a weight.
TEST(ReachMap, FilledMapsMatchTheModel) {
  const std::vector<Position> positions = fixtures::random_positions(4242, 2);
  int flooded = 0;
  for (const Position& pos : positions)
    for (FuunVariant v : kVariants)
      for (int q = 1; q <= 2; ++q) {
        SCOPED_TRACE(name(v) + " turn " + std::to_string(pos.turn) + " player " +
                     std::to_string(q));
        const Filled f = fill(v, pos.field, q, 0.1, pos.turn, pos.left[q]);
        Board scratch = pos.field;
        const model::Map expected =
            model::master(v, pos.field, scratch, q, 0.1, pos.turn, pos.left[q]);
        ASSERT_EQ(f.scratch, scratch);
        for (int x = 0; x < kBoardSize; ++x)
          for (int y = 0; y < kBoardSize; ++y) {
            ASSERT_EQ(f.map[x][y], expected.weight[x][y]) << x << "," << y;
            if (occupied(pos.field, x, y)) {
              EXPECT_EQ(f.map[x][y], 0.0);
            }
            if (next_to_own(pos.field, x, y, q)) {
              EXPECT_TRUE(f.map[x][y] == 0.0 || f.map[x][y] == fuun_params(v).blocked_mark);
            }
            flooded += f.scratch.square(x, y) != pos.field.square(x, y);
          }
      }
  EXPECT_GT(flooded, 5000);
}

// Player 1 has opened with 66t0; player 2's waves on turn 1 may only start
// from its start square, and the flood then covers every free square with
// the start weight decayed once per step of the shortest path. Catches a
// flood from other squares, a wrong decay, weights not kept at their best
// path, and (for fuun4s) a mobility factor from the wrong list.
TEST(ReachMap, TurnOneOpponentMapFloodsFromTheStartSquare) {
  Board b;
  PiecesLeft left1;
  int score = 0;
  setpiece(make_move(5, 5, 19, 0), 1, b, left1, score);
  // Steps from (9, 9) over free squares.
  int dist[kBoardSize][kBoardSize];
  for (auto& col : dist) std::fill(std::begin(col), std::end(col), -1);
  std::deque<std::pair<int, int>> queue{{9, 9}};
  dist[9][9] = 0;
  while (!queue.empty()) {
    auto [x, y] = queue.front();
    queue.pop_front();
    const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
    for (int k = 0; k < 4; ++k) {
      const int nx = x + dx[k], ny = y + dy[k];
      if (fixtures::on_board(nx, ny) && dist[nx][ny] < 0 && !occupied(b, nx, ny)) {
        dist[nx][ny] = dist[x][y] + 1;
        queue.push_back({nx, ny});
      }
    }
  }
  const double decay[] = {0.85, 0.75, 0.75};
  const double start[] = {0.1, 0.1, 0.1 * std::min(10.0, 418 / 3.0)};
  for (int v = 0; v < 3; ++v) {
    const Filled f = fill(kVariants[v], b, 2, 0.1, 1, PiecesLeft());
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y) {
        double expected = 0.0;
        if (dist[x][y] >= 0) {
          expected = start[v];
          for (int s = 0; s < dist[x][y]; ++s) expected *= decay[v];
        }
        EXPECT_EQ(f.map[x][y], expected) << name(kVariants[v]) << " at " << x << "," << y;
      }
    // Without pieces there is no first wave, although the start square is
    // free for a single square.
    const Filled none = fill(kVariants[v], b, 2, 0.1, 1, PiecesLeft::none());
    EXPECT_EQ(none.map, ReachMap{});
  }
}

// With a starting weight that underflows to zero after a few steps the waves
// must still come to an end (a wave that floods nothing stops them).
TEST(ReachMap, WavesEndWhenTheWeightUnderflows) {
  const std::vector<Position> positions = fixtures::random_positions(17, 1);
  for (const Position& pos : {positions[4], positions[9], positions[16]})
    for (FuunVariant v : kVariants) {
      const Filled f = fill(v, pos.field, pos.player, 1e-320, pos.turn, pos.own());
      for (const auto& col : f.map)
        for (double m : col)
          EXPECT_TRUE(m == 0.0 || m == fuun_params(v).blocked_mark || m < 1e-318);
    }
}

// The position score from its parts: the gain term, then every square's rule
// in x-outer, y-inner order over the mover's map (turn t + 1) and the
// opponent's map (turn t for player 1's opponent, t + 1 for player 2's).
// Catches a wrong turn for either map, a wrong start weight or order, and a
// gain term from the wrong piece size.
double score_from_parts(FuunVariant v, int g, const Board& b, int p, const PiecesLeft& left, int t,
                        const PiecesLeft& opp) {
  const Filled a = fill(v, b, p, 0.1, t + 1, left);
  const Filled o = fill(v, b, 3 - p, 0.1, p == 1 ? t : t + 1, opp);
  double value = fuun_gain(v, g);
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) value = fuun_cell(v, value, a.map[x][y], o.map[x][y]);
  return value;
}

using EvalFn = EvalResult (*)(int, const PiecesLeft&, int, const Board&, int, const PiecesLeft&);
using PlayFn = Move (*)(const PlayerContext&, int, const PiecesLeft&, int, const Board&, int,
                        const PiecesLeft&);

// The evaluators list the legal moves in order with each one's score after
// it is placed, and the players pick the first best (after the noise, for
// the random-assist forms, which must not draw from turn 4 on).
TEST(ReachPlayers, EvaluationsAndChoices) {
  struct Family {
    FuunVariant v;
    EvalFn eval;
    PlayFn play;
    PlayFn noisy;
  };
  const Family families[] = {
      {FuunVariant::Fuun3, com_fuun3_eval, com_fuun3_play, nullptr},
      {FuunVariant::Fuun4, com_fuun4_eval, com_fuun4_play, com_fuun4r_play},
      {FuunVariant::Fuun4s, com_fuun4s_eval, com_fuun4s_play, com_fuun4sr_play},
  };
  // Turn 1 for player 1 (the opponent is still on its first move), and small
  // positions of both players at later turns.
  std::vector<Position> positions = fixtures::random_positions(606, 1);
  std::vector<Position> chosen;
  for (size_t i : {0, 1, 3, 6, 9, 14})
    if (auto small = fixtures::with_few_moves(positions[i], 6)) chosen.push_back(*small);
  ASSERT_GE(chosen.size(), 5u);
  for (const Position& pos : chosen)
    for (const Family& fam : families) {
      SCOPED_TRACE(name(fam.v) + " turn " + std::to_string(pos.turn) + " player " +
                   std::to_string(pos.player));
      const int p = pos.player;
      const EvalResult r = fam.eval(p, pos.own(), 0, pos.field, pos.turn, pos.opp());
      ASSERT_EQ(r.moves, pos.moves);
      ASSERT_EQ(r.values.size(), r.moves.size());
      for (size_t i = 0; i < r.moves.size(); ++i) {
        Board b = pos.field;
        PiecesLeft left = pos.own();
        int g = 0;
        setpiece(r.moves[i], p, b, left, g);
        EXPECT_EQ(r.values[i], com_fuun(fam.v, g, b, p, left, pos.turn, pos.opp()));
        EXPECT_EQ(r.values[i], score_from_parts(fam.v, g, b, p, left, pos.turn, pos.opp()));
      }
      Rng rng(9), same(9);
      const PlayerContext ctx{&rng};
      EXPECT_EQ(fam.play(ctx, p, pos.own(), 0, pos.field, pos.turn, pos.opp()),
                find_max_of(r.moves, r.values));
      if (!fam.noisy) continue;
      EXPECT_EQ(fam.noisy(ctx, p, pos.own(), 0, pos.field, pos.turn, pos.opp()),
                find_max_of(r.moves, com_random_assist2(r.values, pos.turn, same)));
      EXPECT_EQ(rng.index(1 << 30), same.index(1 << 30));
    }
}

}  // namespace
}  // namespace trevosk
