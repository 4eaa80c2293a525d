#include "rules/board.h"

#include <gtest/gtest.h>

#include <vector>

#include "rules/legal_moves.h"
#include "rules/pieces.h"
#include "test_positions.h"

namespace trevosk {
namespace {

using fixtures::board_from;

constexpr int kA = 0, kB = 1, kJ = 9;  // monomino, domino, straight pentomino

bool legal(int x, int y, int player, int piece, int rot, const Board& b, int turn) {
  return iscanset(x, y, player, piece, rot, b, turn) && islegal(x, y, player, piece, rot, b);
}

// Catches a start square that still counts after turn 1 or counts for the
// wrong player, and a first piece that need not cover the start square.
TEST(Placement, FirstTurnNeedsTheOwnStartSquare) {
  const Board b;
  EXPECT_EQ(b.square(4, 4), Cell::Start1);
  EXPECT_EQ(b.square(9, 9), Cell::Start2);
  EXPECT_TRUE(legal(4, 4, 1, kA, 0, b, 1));
  EXPECT_FALSE(legal(4, 4, 1, kA, 0, b, 2));  // no corner contact yet
  EXPECT_FALSE(legal(5, 4, 1, kA, 0, b, 1));
  EXPECT_FALSE(legal(9, 9, 1, kA, 0, b, 1));  // the other player's start
  EXPECT_TRUE(legal(9, 9, 2, kA, 0, b, 1));
  // The domino (x, y)-(x, y + 1) covers (4, 4) from above as well.
  EXPECT_TRUE(legal(4, 3, 1, kB, 0, b, 1));
  EXPECT_FALSE(legal(4, 2, 1, kB, 0, b, 1));

  // A start square covered by the opponent leaves no first move at all.
  Board taken;
  taken.set_square(4, 4, Cell::Owned2);
  EXPECT_FALSE(isexist_legal(1, PiecesLeft(), taken, 1));
  EXPECT_TRUE(make_legal_list(1, PiecesLeft(), taken, 1).empty());
}

// Catches edge contact with the own colour being allowed, contact with the
// opponent being refused, or a start square not counting as free.
TEST(Placement, CornerContactWithOwnSquaresOnly) {
  const Board b = board_from({
      "              ",  //
      "              ",  //
      "              ",  //
      "              ",  //
      "    o         ",  // (4,4)
      "      x       ",  // (6,5)
      "    o         ",  // (4,6)
      "              ",  //
      "        o     ",  // (8,8)
      "              ",  //
      "              ",  //
      "              ",  //
      "              ",  //
      "              ",  //
  });
  // (5,5) touches (4,4) and (4,6) at corners and the opponent's (6,5) along
  // an edge.
  EXPECT_TRUE(legal(5, 5, 1, kA, 0, b, 2));
  // The domino (5,5)-(5,6) touches (4,4) at a corner but (4,6) along an edge.
  EXPECT_TRUE(iscanset(5, 5, 1, kB, 0, b, 2));
  EXPECT_FALSE(islegal(5, 5, 1, kB, 0, b));
  // Player 2 may not touch its own (6,5) along an edge, player 1 may cover
  // player 2's start square.
  EXPECT_FALSE(legal(6, 6, 2, kA, 0, b, 2));
  EXPECT_TRUE(legal(7, 6, 2, kA, 0, b, 2));
  EXPECT_TRUE(legal(9, 9, 1, kA, 0, b, 3));
  // Occupied squares of either colour are never free.
  EXPECT_FALSE(islegal(6, 5, 1, kA, 0, b));
  EXPECT_FALSE(islegal(4, 4, 2, kA, 0, b));
}

// Catches a test that looks only at the reference square or reads past the
// board through the margin.
TEST(Placement, EverySquareMustBeOnTheBoard) {
  const Board b;
  // The vertical straight pentomino covers rows y - 2 .. y + 2.
  EXPECT_FALSE(islegal(0, 1, 1, kJ, 0, b));
  EXPECT_TRUE(islegal(0, 2, 1, kJ, 0, b));
  EXPECT_FALSE(islegal(5, 12, 1, kJ, 0, b));
  EXPECT_TRUE(islegal(5, 11, 1, kJ, 0, b));
  // A reference square in column or row 14 lies on the margin.
  EXPECT_FALSE(islegal(14, 5, 1, kA, 0, b));
  EXPECT_FALSE(islegal(5, 14, 2, kA, 0, b));
  EXPECT_TRUE(islegal(13, 13, 2, kA, 0, b));
}

class RecordingLog : public MoveLog {
 public:
  void move_played(int player, const Move& m) override { played.push_back({player, m}); }
  struct Entry {
    int player;
    Move move;
  };
  std::vector<Entry> played;
};

// Catches a score, pieces-left entry or board square not updated, a log
// written for trial placements, or a start square left showing.
TEST(Placement, SetpieceCoversScoresAndLogs) {
  Board b;
  PiecesLeft left;
  int score = 3;
  RecordingLog log;
  // "t" at (5, 5) orientation 0 (66t0) covers (4,4) (4,5) (5,5) (6,5) (5,6).
  setpiece(5, 5, 1, 19, 0, b, left, score, &log);
  EXPECT_EQ(score, 8);
  EXPECT_FALSE(left[19]);
  EXPECT_EQ(left, PiecesLeft::from_mask(((1u << kPieceCount) - 1) & ~(1u << 19)));
  ASSERT_EQ(log.played.size(), 1u);
  EXPECT_EQ(log.played[0].player, 1);
  EXPECT_EQ(log.played[0].move, make_move(5, 5, 19, 0));
  for (auto [x, y] : std::vector<std::pair<int, int>>{{4, 4}, {4, 5}, {5, 5}, {6, 5}, {5, 6}})
    EXPECT_EQ(b.square(x, y), Cell::Owned1) << x << "," << y;
  EXPECT_EQ(fixtures::owned_count(b, 1), 5);
  EXPECT_EQ(b.owned(1).count(), 5);
  EXPECT_TRUE(b.starts(1).none());

  // Without a log nothing is reported; player 2's square counts for player 2.
  PiecesLeft left2;
  int score2 = 0;
  setpiece(make_move(9, 9, 0, 0), 2, b, left2, score2);
  EXPECT_EQ(score2, 1);
  EXPECT_EQ(b.square(9, 9), Cell::Owned2);
  EXPECT_EQ(log.played.size(), 1u);
}

}  // namespace
}  // namespace trevosk
