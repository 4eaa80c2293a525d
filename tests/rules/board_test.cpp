#include "rules/board.h"

#include <gtest/gtest.h>

#include <utility>

#include "rules/legal_moves.h"

namespace trevosk {
namespace {

constexpr int kA = 0, kB = 1, kJ = 9;  // monomino, vertical domino, straight pentomino

bool legal(int x, int y, int player, int piece, const Board& b, int turn) {
  return iscanset(x, y, player, piece, 0, b, turn) && islegal(x, y, player, piece, 0, b);
}

// Catches a wrong first-move, corner-only, own-edge, opponent-contact or off-board rule.
TEST(Placement, EdgeCases) {
  // Player 1 owns (4,4), (4,6) and (8,8), player 2 owns (6,5).
  Board b;
  for (auto [x, y] : {std::pair{4, 4}, std::pair{4, 6}, std::pair{8, 8}})
    b.set_square(x, y, Cell::Owned1);
  b.set_square(6, 5, Cell::Owned2);
  const Board empty;
  struct Case {
    int x, y, player, piece, turn;
    const Board& board;
    bool ok;
  };
  const Case cases[] = {
      {4, 4, 1, kA, 1, empty, true},  {4, 3, 1, kB, 1, empty, true},   // covers (4,4) from above
      {4, 2, 1, kB, 1, empty, false}, {5, 4, 1, kA, 1, empty, false},  // misses the start
      {9, 9, 1, kA, 1, empty, false}, {9, 9, 2, kA, 1, empty, true},   // the other's start
      {4, 4, 1, kA, 2, empty, false},                                  // start only on turn 1
      {5, 5, 1, kA, 2, b, true},   // corners of (4,4), (4,6); edge of the opponent's (6,5)
      {5, 5, 1, kB, 2, b, false},  // (5,6) touches own (4,6) along an edge
      {6, 6, 2, kA, 2, b, false},  // below its own (6,5)
      {7, 6, 2, kA, 2, b, true},      {9, 9, 1, kA, 3, b, true},   // the other's start is free
      {2, 10, 1, kA, 2, b, false},                                 // no corner contact
      {6, 5, 1, kA, 2, b, false},     {4, 4, 2, kA, 2, b, false},  // occupied
      {0, 2, 1, kJ, 1, empty, true},  {0, 1, 1, kJ, 1, empty, false},
      {5, 11, 1, kJ, 1, empty, true}, {5, 12, 1, kJ, 1, empty, false},
  };
  for (const Case& c : cases) {
    // Off-board cases ask only whether the squares are free.
    const bool got = c.piece == kJ ? islegal(c.x, c.y, c.player, c.piece, 0, c.board)
                                   : legal(c.x, c.y, c.player, c.piece, c.board, c.turn);
    EXPECT_EQ(got, c.ok) << c.x << "," << c.y << " player " << c.player << " piece " << c.piece
                         << " turn " << c.turn;
  }
  for (auto [x, y] : {std::pair{14, 5}, std::pair{5, 14}})
    EXPECT_FALSE(islegal(x, y, 1, kA, 0, empty));

  // A start square covered by the opponent leaves no first move at all.
  Board taken;
  taken.set_square(4, 4, Cell::Owned2);
  EXPECT_FALSE(isexist_legal(1, PiecesLeft(), taken, 1));
  EXPECT_TRUE(make_legal_list(1, PiecesLeft(), taken, 1).empty());
}

}  // namespace
}  // namespace trevosk
