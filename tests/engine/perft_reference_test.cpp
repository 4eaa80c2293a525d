// perft 3 from the start, established from the reference listing.
#include <gtest/gtest.h>

#include "game/perft.h"
#include "reference/reference.h"
#include "rules/legal_moves.h"
#include "rules/pieces.h"

namespace trevosk {
namespace {

// The published counts from the start.
constexpr uint64_t kPerft[] = {1, 418, 174724, 91771654};

// Catches a fast listing or a perft that miscounts any depth-2 position.
// A full reference perft 3 takes minutes (a reference listing costs about a
// quarter of a millisecond), so it is assembled instead: after player 1's
// first piece a and player 2's b, player 1's placements are those of its
// reference list on a's board that do not cover a square of b. Every 97th
// pair is listed by the reference on the real board to confirm this.
TEST(PerftReference, DepthThreeFromTheStart) {
  const Game start;
  for (int depth = 0; depth <= 3; ++depth) EXPECT_EQ(perft(start, depth), kPerft[depth]);
  uint64_t total = 0;
  int pair = 0;
  for (const Move& a : reference::make_legal_list(1, PiecesLeft(), Board(), 1)) {
    Game after_a = start;
    after_a.play(a);
    const std::vector<Move> own =
        reference::make_legal_list(1, after_a.pieces_left(1), after_a.board(), 2);
    for (const Move& b : reference::make_legal_list(2, PiecesLeft(), after_a.board(), 1)) {
      const Bitboard taken = placement_squares(b);
      int count = 0;
      for (const Move& m : own) count += (placement_squares(m) & taken).none();
      Game g = after_a;
      g.play(b);
      ASSERT_EQ(LegalSet(1, g.pieces_left(1), g.board(), 2).size(), count);
      if (++pair % 97 == 0) {
        ASSERT_EQ(reference::make_legal_list(1, g.pieces_left(1), g.board(), 2).size(),
                  static_cast<size_t>(count));
      }
      total += count;
    }
  }
  EXPECT_EQ(total, kPerft[3]);
}

}  // namespace
}  // namespace trevosk
