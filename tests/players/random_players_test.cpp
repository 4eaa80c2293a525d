#include "players/random_players.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "fixtures/random_positions.h"
#include "rules/legal_moves.h"
#include "rules/pieces.h"

namespace trevosk {
namespace {

constexpr int kH = 7, kJ = 9;  // square tetromino, straight pentomino

// Catches a continuation past turn 20, or a tie broken against the list order.
TEST(MonteCarlo, PlayerTwoOnTurnTwentyScoresTheCandidateAlone) {
  // Player 2's candidates on turn 20 get no reply: each is worth its squares, nothing drawn.
  int checked = 0;
  for (const fixtures::Position& pos : fixtures::random_positions(77, 3)) {
    if (pos.player != 2 || pos.turn == 1) continue;
    const std::vector<Move> moves = make_legal_list(2, pos.own(), pos.field, 20);
    if (moves.size() < 2) continue;
    const auto& size = piece_tables().square_count;
    const Move expected = *std::max_element(moves.begin(), moves.end(), [&](Move a, Move b) {
      return size[a.piece] < size[b.piece];  // the first of the largest
    });
    Rng rng(3);
    EXPECT_EQ(com_monte_play(PlayerContext{&rng}, 2, pos.own(), pos.field, 20, pos.opp()),
              expected);
    EXPECT_EQ(rng.index(1 << 30), Rng(3).index(1 << 30)) << "the generator was used";
    ++checked;
  }
  EXPECT_GT(checked, 20);
}

// Catches a floor other than -1 (the first move falls back) and a turn-20 reply not counted.
TEST(MonteCarlo, FallbackAndTheLastReply) {
  // Player 1's monomino on (12, 13) leaves the opponent only "j" on row 0, on (2, 0) only "h".
  // Player 1 owns every square but these free ones and player 2's four.
  const std::set<std::pair<int, int>> free = {{0, 0},   {1, 0},   {2, 0},   {3, 0},
                                              {4, 0},   {2, 1},   {12, 12}, {13, 12},
                                              {11, 13}, {12, 13}, {13, 13}};
  const std::set<std::pair<int, int>> other = {{5, 1}, {2, 2}, {11, 11}, {10, 13}};
  Board b;
  for (int y = 0; y < kBoardSize; ++y)
    for (int x = 0; x < kBoardSize; ++x)
      if (!free.count({x, y}))
        b.set_square(x, y, other.count({x, y}) ? Cell::Owned2 : Cell::Owned1);
  const PiecesLeft mono = PiecesLeft::only(0);
  const Move corner = make_move(12, 13, 0, 0), top = make_move(2, 0, 0, 0);
  ASSERT_EQ(make_legal_list(1, mono, b, 20), (std::vector<Move>{corner, top}));
  PiecesLeft both = PiecesLeft::only(kH);
  both.set(kJ, true);
  for (uint64_t seed : {1, 2}) {
    Rng rng(seed);
    const PlayerContext ctx{&rng};
    // Values 1 - 5 and 1 - 4: neither beats -1.
    EXPECT_EQ(com_monte_play(ctx, 1, mono, b, 20, both), corner);
    // Values 1 - 5 and 1 (the opponent blocked): the second wins.
    EXPECT_EQ(com_monte_play(ctx, 1, mono, b, 20, PiecesLeft::only(kJ)), top);
    // Values 1 (blocked) and 1 - 4: the first wins.
    EXPECT_EQ(com_monte_play(ctx, 1, mono, b, 20, PiecesLeft::only(kH)), corner);
  }
}

}  // namespace
}  // namespace trevosk
