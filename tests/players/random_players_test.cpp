#include "players/random_players.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "../rules/test_positions.h"
#include "rules/legal_moves.h"
#include "rules/pieces.h"

namespace trevosk {
namespace {

using fixtures::Position;

constexpr int kH = 7, kJ = 9;  // square tetromino, straight pentomino

// Player 1 owns (6, 6) and player 2 the other three corners of it, so that
// player 1's monomino has the one legal square (7, 7).
Board one_square_left() {
  Board b;
  b.set_square(6, 6, Cell::Owned1);
  b.set_square(5, 5, Cell::Owned2);
  b.set_square(7, 5, Cell::Owned2);
  b.set_square(5, 7, Cell::Owned2);
  return b;
}

// Catches a random or Monte Carlo player that can return anything but the
// only legal move.
TEST(RandomPlayers, TheOnlyLegalMove) {
  const Board b = one_square_left();
  const PiecesLeft left = PiecesLeft::only(0);
  ASSERT_EQ(make_legal_list(1, left, b, 6), std::vector<Move>{make_move(7, 7, 0, 0)});
  Rng rng(1);
  const PlayerContext ctx{&rng};
  for (int turn : {2, 6, 15, 20}) {
    EXPECT_EQ(com_rand_play(ctx, 1, left, 0, b, turn, PiecesLeft()), make_move(7, 7, 0, 0));
    EXPECT_EQ(com_monte_play(ctx, 1, left, 0, b, turn, PiecesLeft()), make_move(7, 7, 0, 0));
  }
}

// Player 2 deciding on turn 20: the opponent's reply would fall on turn 21,
// so each candidate is worth its own squares and nothing is drawn. Catches
// a wrong turn for the continuation or its cut-off, and a tie broken
// against the legal-list order.
TEST(MonteCarlo, PlayerTwoOnTurnTwentyScoresTheCandidateAlone) {
  const std::vector<Position> positions = fixtures::random_positions(77, 3);
  int checked = 0;
  for (Position pos : positions) {
    if (pos.player != 2 || pos.turn == 1) continue;
    pos.turn = 20;
    const std::vector<Move> moves = make_legal_list(2, pos.own(), pos.field, 20);
    if (moves.size() < 2) continue;
    const auto& size = piece_tables().square_count;
    const Move expected = *std::max_element(moves.begin(), moves.end(), [&](Move a, Move b) {
      return size[a.piece] < size[b.piece];  // the first of the largest
    });
    Rng rng(3);
    const PlayerContext ctx{&rng};
    EXPECT_EQ(com_monte_play(ctx, 2, pos.own(), 0, pos.field, 20, pos.opp()), expected);
    EXPECT_EQ(rng.index(1 << 30), Rng(3).index(1 << 30)) << "the generator was used";
    ++checked;
  }
  EXPECT_GT(checked, 20);
}

// Player 1 deciding on turn 20 with only the monomino, against an opponent
// whose reply (on turn 20, the last before the cut-off) has one possible
// size after each candidate: the monomino on (12, 13) leaves only the
// straight pentomino on row 0, the one on (2, 0) leaves only the square in
// the bottom right corner. Catches a floor other than -1 (both values are
// below it, so the first move stays) and a continuation that stops too
// early or too late.
TEST(MonteCarlo, ValuesOfOneReplyAndTheFloor) {
  const Board b = fixtures::board_from({
      "     ooooooooo",  //
      "oo ooxoooooooo",  //
      "ooxooooooooooo",  //
      "oooooooooooooo",  //
      "oooooooooooooo",  //
      "oooooooooooooo",  //
      "oooooooooooooo",  //
      "oooooooooooooo",  //
      "oooooooooooooo",  //
      "oooooooooooooo",  //
      "oooooooooooooo",  //
      "oooooooooooxoo",  //
      "oooooooooooo  ",  //
      "oooooooooox   ",  //
  });
  const PiecesLeft mono = PiecesLeft::only(0);
  const Move corner = make_move(12, 13, 0, 0), top = make_move(2, 0, 0, 0);
  ASSERT_EQ(make_legal_list(1, mono, b, 20), (std::vector<Move>{corner, top}));
  PiecesLeft both = PiecesLeft::only(kH);
  both.set(kJ, true);
  // The replies the description above relies on.
  for (const Move& m : {corner, top}) {
    Board after = b;
    PiecesLeft l = mono;
    int s = 0;
    setpiece(m, 1, after, l, s);
    std::set<int> pieces;
    for (const Move& r : make_legal_list(2, both, after, 20)) pieces.insert(r.piece);
    ASSERT_EQ(pieces, std::set<int>{m == corner ? kJ : kH});
  }
  for (uint64_t seed : {1, 2, 3}) {
    Rng rng(seed);
    const PlayerContext ctx{&rng};
    // Values 1 - 5 and 1 - 4: neither beats -1.
    EXPECT_EQ(com_monte_play(ctx, 1, mono, 0, b, 20, both), corner);
    // Values 1 - 5 and 1 (the opponent blocked): the second wins.
    EXPECT_EQ(com_monte_play(ctx, 1, mono, 0, b, 20, PiecesLeft::only(kJ)), top);
    // Values 1 (blocked) and 1 - 4: the first wins.
    EXPECT_EQ(com_monte_play(ctx, 1, mono, 0, b, 20, PiecesLeft::only(kH)), corner);
  }
}

// The continuation itself, started with the deciding player to move:
// catches a wrong sign for the opponent's squares, moves out of turn, a
// wrong turn count, and a continuation that stops before one of its stop
// rules holds.
TEST(MonteCarlo, ContinuationRunsUntilAStopRule) {
  const std::vector<Position> positions = fixtures::random_positions(5, 3);
  const auto& size = piece_tables().square_count;
  int checked = 0;
  for (const Position& pos : positions) {
    if (pos.moves.empty()) continue;
    Rng rng(pos.turn);
    Board board = pos.field;
    PiecesLeft mover = pos.own(), other = pos.opp();
    const int p = pos.player, t0 = pos.turn;
    const int v = com_mont(rng, p, t0, 0, board, t0, p, mover, other);
    // What each side placed on the copy, from the pieces it used.
    int squares[3] = {0, 0, 0}, moves[3] = {0, 0, 0};
    for (int piece = 0; piece < kPieceCount; ++piece) {
      if (pos.own()[piece] && !mover[piece]) squares[p] += size[piece], ++moves[p];
      if (pos.opp()[piece] && !other[piece]) squares[3 - p] += size[piece], ++moves[3 - p];
    }
    ASSERT_EQ(v, squares[p] - squares[3 - p]);
    for (int q = 1; q <= 2; ++q)
      ASSERT_EQ(fixtures::owned_count(board, q) - fixtures::owned_count(pos.field, q), squares[q]);
    // The sides alternate from p; the turn grows after each move of player 2.
    ASSERT_TRUE(moves[p] == moves[3 - p] || moves[p] == moves[3 - p] + 1);
    const int next = moves[p] == moves[3 - p] ? p : 3 - p;
    const int t = t0 + moves[2];
    const bool stop = t > 20 || t > t0 + 15 || v < -2 ||
                      !isexist_legal(next, next == p ? mover : other, board, t);
    EXPECT_TRUE(stop) << "turn " << t0 << " stopped at turn " << t << " with value " << v;
    ++checked;
  }
  EXPECT_GT(checked, 40);
}

}  // namespace
}  // namespace trevosk
