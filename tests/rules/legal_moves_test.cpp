#include "rules/legal_moves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "fixtures/map_arrays.h"
#include "fixtures/random_positions.h"
#include "rules/pieces.h"

namespace trevosk {
namespace {

using fixtures::Position;

constexpr int kH = 7;  // the square tetromino, listed twice per placement

// Catches a wrong walk or result order, or a wrong first-move rule, on the stated figures.
TEST(LegalMoves, FirstTurnOnTheEmptyBoard) {
  const Board b;
  const std::vector<Move> l1 = make_legal_list(1, PiecesLeft(), b, 1);
  ASSERT_EQ(l1.size(), 418u);
  EXPECT_EQ(
      std::vector<Move>(l1.begin(), l1.begin() + 5),
      (std::vector<Move>{make_move(4, 5, 20, 0), make_move(5, 4, 20, 0), make_move(4, 4, 20, 0),
                         make_move(3, 4, 20, 0), make_move(4, 3, 20, 0)}));
  EXPECT_EQ(l1.back(), make_move(4, 4, 0, 0));
  const std::vector<Move> l2 = make_legal_list(2, PiecesLeft(), b, 1);
  ASSERT_EQ(l2.size(), 418u);
  EXPECT_EQ(l2.front(), make_move(9, 10, 20, 0));
  EXPECT_EQ(l2.back(), make_move(9, 9, 0, 0));

  // The placements of "h" in the same order: both orientations of each.
  std::vector<Move> h;
  std::copy_if(l1.begin(), l1.end(), std::back_inserter(h), [](Move m) { return m.piece == kH; });
  EXPECT_EQ(
      h, (std::vector<Move>{make_move(5, 4, kH, 1), make_move(4, 4, kH, 1), make_move(5, 3, kH, 1),
                            make_move(4, 3, kH, 1), make_move(4, 4, kH, 0), make_move(3, 4, kH, 0),
                            make_move(4, 3, kH, 0), make_move(3, 3, kH, 0)}));
}

// The piece and the board squares a move covers, read from its picture,
// one per byte.
uint64_t covered(const Move& m) {
  uint64_t key = static_cast<uint64_t>(m.piece);
  const Picture& pic = piece_tables().piece_pic[m.piece][m.rot];
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c)
      if (pic[r][c] == '*')
        key = key << 8 | static_cast<uint64_t>((m.y + r - 2) * 16 + m.x + c - 2);
  return key;
}

// Catches list, existence and placement tests disagreeing, doubled moves, and score drift.
TEST(LegalMoves, PropertiesOnRandomGames) {
  // Only "h" is listed twice: orientation 1 one square right, then orientation 0.
  const std::vector<Position> positions = fixtures::random_positions(20240601, 80);
  ASSERT_GT(positions.size(), 2000u);
  for (const Position& pos : positions)
    for (int q = 1; q <= 2; ++q) {
      SCOPED_TRACE("turn " + std::to_string(pos.turn) + " player " + std::to_string(q));
      const std::vector<Move> list = make_legal_list(q, pos.left[q], pos.field, pos.turn);
      ASSERT_EQ(isexist_legal(q, pos.left[q], pos.field, pos.turn), !list.empty());
      std::unordered_map<uint64_t, Move> seen;
      for (const Move& m : list) {
        ASSERT_TRUE(pos.left[q][m.piece]);
        ASSERT_TRUE(iscanset(m.x, m.y, q, m.piece, m.rot, pos.field, pos.turn));
        ASSERT_TRUE(islegal(m.x, m.y, q, m.piece, m.rot, pos.field));
        const auto [it, fresh] = seen.emplace(covered(m), m);
        if (!fresh) {
          ASSERT_EQ(m.piece, kH);
          ASSERT_EQ(m.rot, 0);
          ASSERT_EQ(it->second, make_move(m.x + 1, m.y, kH, 1));
        }
      }
      int owned = 0;
      for (int y = 0; y < kBoardSize; ++y)
        for (int x = 0; x < kBoardSize; ++x) owned += pos.field.square(x, y) == owned_cell(q);
      EXPECT_EQ(owned, pos.score[q]);
    }
}

// Catches the filter on before turn 6, off from turn 6, or probing the wrong squares or bit.
TEST(FilteredMoves, LegalListUntilTurnFiveThenTheProbePattern) {
  Rng rng(7);
  auto out = std::make_unique<MoveList>();
  for (const Position& pos : fixtures::random_positions(99, 12)) {
    HaveMasks h{};
    for (int k = 0; k < 20; ++k) h[rng.index(14)][rng.index(14)] = rng.index(1 << 21);
    fixtures::f6_make_legal_list(pos.player, pos.own(), pos.field, pos.turn,
                                 pos.turn <= 5 ? h : HaveMasks{}, *out);
    ASSERT_EQ(std::vector<Move>(out->begin(), out->end()),
              pos.turn <= 5 ? pos.moves : std::vector<Move>{})
        << "turn " << pos.turn;
  }
  // The monomino's one placement (7, 7) on turn 6.
  Board b;
  b.set_square(6, 6, Cell::Owned1);
  for (auto [x, y] : {std::pair{5, 5}, std::pair{7, 5}, std::pair{5, 7}})
    b.set_square(x, y, Cell::Owned2);
  ASSERT_EQ(make_legal_list(1, PiecesLeft::only(0), b, 6),
            std::vector<Move>{make_move(7, 7, 0, 0)});
  auto kept = [&](std::initializer_list<std::tuple<int, int, uint32_t>> marks) {
    HaveMasks h{};
    for (auto [x, y, m] : marks) h[x][y] = m;
    fixtures::f6_make_legal_list(1, PiecesLeft::only(0), b, 6, h, *out);
    return out->size();
  };
  EXPECT_EQ(kept({{10, 4, 1}}), 1);  // (x + 3, y - 3)
  EXPECT_EQ(kept({{4, 10, 1}}), 1);  // (x - 3, y + 3)
  EXPECT_EQ(kept({{10, 4, 2}}), 0);
  EXPECT_EQ(kept({{7, 4, 1}, {7, 6, 1}, {7, 10, 1}}), 0);   // the own column
  EXPECT_EQ(kept({{11, 7, 1}, {7, 11, 1}, {4, 3, 1}}), 0);  // just outside
}

}  // namespace
}  // namespace trevosk
