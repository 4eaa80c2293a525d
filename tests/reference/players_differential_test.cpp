// The fast reach maps and evaluators against the straightforward ones, on
// positions of random games: same moves, bit-identical values.
#include <gtest/gtest.h>

#include <bit>

#include "fixtures/map_arrays.h"
#include "fixtures/random_positions.h"
#include "players/piece_set_eval.h"
#include "players/random_players.h"
#include "players/reach_map.h"
#include "players/reach_players.h"
#include "players/three_move.h"
#include "reference/reference.h"

namespace trevosk {
namespace {

using fixtures::Position;

void expect_same_values(const EvalResult& actual, const EvalResult& expected) {
  ASSERT_EQ(actual.moves, expected.moves);
  ASSERT_EQ(actual.values.size(), expected.values.size());
  for (size_t i = 0; i < expected.values.size(); ++i)
    ASSERT_EQ(std::bit_cast<uint64_t>(actual.values[i]),
              std::bit_cast<uint64_t>(expected.values[i]))
        << "move " << i << ": " << actual.values[i] << " vs " << expected.values[i];
}

// Whether two maps hold the same doubles bit for bit, square by square.
bool same_bits(const ReachMap& a, const ReachMap& b) {
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      if (std::bit_cast<uint64_t>(a[x][y]) != std::bit_cast<uint64_t>(b[x][y])) return false;
  return true;
}

// Every other position of a few random games, so that all turns appear.
std::vector<Position> sample(int games, uint64_t seed, int step) {
  std::vector<Position> all = fixtures::random_positions(seed, games);
  std::vector<Position> out;
  for (size_t i = 0; i < all.size(); i += step) out.push_back(all[i]);
  return out;
}

// Maps compared square by square, and the scratch boards they leave, for
// every variant, both players and turns on both sides of the early-game
// switch; also from tiny weights that underflow within a few waves, where a
// flood step no longer lowers the weight and a flood must not spread on over
// squares it only equals.
TEST(PlayersDifferential, ReachMapsMatchTheReference) {
  for (const Position& pos : sample(6, 11, 3))
    for (FuunVariant v : {FuunVariant::Fuun3, FuunVariant::Fuun4, FuunVariant::Fuun4s})
      for (int q = 1; q <= 2; ++q)
        for (int t : {1, 2, 3, 4, pos.turn})
          for (double w : {0.1, 1e-300, 1e-320}) {
            ReachMap expected{}, actual{};
            Board scratch_expected = pos.field, scratch_actual = pos.field;
            reference::fuun_master(v, pos.field, scratch_expected, expected, q, w, t, pos.left[q]);
            fixtures::fuun_master(v, pos.field, scratch_actual, actual, q, w, t, pos.left[q]);
            ASSERT_TRUE(same_bits(actual, expected))
                << "variant " << int(v) << " q " << q << " t " << t << " w " << w;
            ASSERT_TRUE(scratch_actual == scratch_expected)
                << "variant " << int(v) << " q " << q << " t " << t << " w " << w;
          }
}

TEST(PlayersDifferential, PieceSetMapsMatchTheReference) {
  for (const Position& pos : sample(6, 12, 3))
    for (int q = 1; q <= 2; ++q)
      for (int t : {1, 4, 5, 6, pos.turn}) {
        PieceSetMap expected, actual;
        Board scratch_expected = pos.field, scratch_actual = pos.field;
        const uint32_t h = calchave(pos.left[q]);
        reference::fuun6_master(pos.field, scratch_expected, expected, q, 0.1, t, pos.left[q], h);
        fixtures::fuun6_master(pos.field, scratch_actual, actual, q, 0.1, t, pos.left[q], h);
        ASSERT_TRUE(same_bits(actual.weight, expected.weight)) << "q " << q << " t " << t;
        ASSERT_EQ(actual.have, expected.have) << "q " << q << " t " << t;
        ASSERT_TRUE(scratch_actual == scratch_expected);
      }
}

TEST(PlayersDifferential, EvaluatorsMatchTheReference) {
  const PlayerContext ctx{nullptr, {0, 10, 10}, 2};  // the fast ones on two threads
  for (const Position& pos : sample(2, 13, 8)) {
    const int p = pos.player;
    if (reference::make_legal_list(p, pos.left[p], pos.field, pos.turn).empty()) continue;
    const PiecesLeft& own = pos.left[p];
    const PiecesLeft& opp = pos.left[3 - p];
    expect_same_values(com_fuun3_eval(ctx, p, own, pos.field, pos.turn, opp),
                       reference::com_fuun3_eval(ctx, p, own, pos.field, pos.turn, opp));
    expect_same_values(com_fuun4_eval(ctx, p, own, pos.field, pos.turn, opp),
                       reference::com_fuun4_eval(ctx, p, own, pos.field, pos.turn, opp));
    expect_same_values(com_fuun4s_eval(ctx, p, own, pos.field, pos.turn, opp),
                       reference::com_fuun4s_eval(ctx, p, own, pos.field, pos.turn, opp));
    expect_same_values(com_fuun6_eval(ctx, p, own, pos.field, pos.turn, opp),
                       reference::com_fuun6_eval(ctx, p, own, pos.field, pos.turn, opp));
  }
}

// The same move from the same seed, and the same number of draws after it.
void expect_same_draws(ComPlayer fast, ComPlayer ref, const Position& pos) {
  const int p = pos.player;
  Rng rng_fast(pos.turn * 7 + p), rng_ref(pos.turn * 7 + p);
  const PlayerContext ctx_fast{&rng_fast, {0, 10, 10}}, ctx_ref{&rng_ref, {0, 10, 10}};
  ASSERT_EQ(fast(ctx_fast, p, pos.left[p], pos.field, pos.turn, pos.left[3 - p]),
            ref(ctx_ref, p, pos.left[p], pos.field, pos.turn, pos.left[3 - p]))
      << "turn " << pos.turn << " player " << p;
  ASSERT_EQ(rng_fast.index(1000000), rng_ref.index(1000000)) << "turn " << pos.turn;
}

// The same seed must give the same draws in the same order. Monte Carlo
// runs on the reference enumeration are slow: late positions only.
TEST(PlayersDifferential, RandomAndMonteCarloDrawLikeTheReference) {
  int monte_carlo_runs = 0;
  for (const Position& pos : sample(6, 15, 5)) {
    const int p = pos.player;
    if (reference::make_legal_list(p, pos.left[p], pos.field, pos.turn).empty()) continue;
    std::vector<std::pair<ComPlayer, ComPlayer>> players{{com_rand_play, reference::com_rand_play}};
    if (pos.turn >= 12 && monte_carlo_runs < 3) {
      players.emplace_back(com_monte_play, reference::com_monte_play);
      ++monte_carlo_runs;
    }
    for (auto [fast, ref] : players) expect_same_draws(fast, ref, pos);
  }
  EXPECT_EQ(monte_carlo_runs, 3);
  // Random games leave late positions blocked, so the playouts above end at
  // once. The open board of turn 4 with the small pieces a to g left, moved
  // to turns 17 to 19: each playout runs several half-moves up to its last
  // turn, so a wrong turn count changes the draws.
  for (Position pos : sample(2, 16, 1)) {
    const int p = pos.player;
    if (pos.turn != 4) continue;
    for (int q = 1; q <= 2; ++q) pos.left[q] = PiecesLeft::from_mask(pos.left[q].mask() & 0x7F);
    if (reference::make_legal_list(p, pos.left[p], pos.field, pos.turn).empty()) continue;
    for (int t : {17, 18, 19}) {
      pos.turn = t;
      expect_same_draws(com_monte_play, reference::com_monte_play, pos);
    }
  }
}

TEST(PlayersDifferential, ThreeMoveReadingMatchesTheReference) {
  Rng rng(1);
  PlayerContext ctx{&rng, {0, 2, 2}, 2};
  for (const Position& pos : sample(1, 14, 8)) {
    const int p = pos.player;
    if (reference::make_legal_list(p, pos.left[p], pos.field, pos.turn).empty()) continue;
    const PiecesLeft& own = pos.left[p];
    const PiecesLeft& opp = pos.left[3 - p];
    const auto actual =
        com_sante_eval(ctx, p, own, pos.field, pos.turn, opp, com_fuun4_eval, com_fuun4_eval);
    const auto expected =
        reference::com_sante_eval(ctx, p, own, pos.field, pos.turn, opp, reference::com_fuun4_eval,
                                  reference::com_fuun4_eval);
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
      ASSERT_EQ(actual[i].move, expected[i].move);
      ASSERT_EQ(std::bit_cast<uint64_t>(actual[i].value),
                std::bit_cast<uint64_t>(expected[i].value));
    }
  }
}

}  // namespace
}  // namespace trevosk
