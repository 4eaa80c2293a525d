#include "rules/legal_moves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "rules/filtered_moves.h"
#include "rules/pieces.h"
#include "test_positions.h"

namespace trevosk {
namespace {

using fixtures::Position;

constexpr int kH = 7;  // the square tetromino, listed twice per placement

// Position of a candidate in the enumeration's walk.
int walk_index(const Move& m) {
  return ((m.piece * kOrientations + m.rot) * kBoardSize + m.y) * kBoardSize + m.x;
}

// A placement's piece and covered squares packed in one number: equal
// exactly for placements of one piece that cover the same squares. The
// picture scan meets the squares in increasing board order.
uint64_t square_key(int x, int y, int piece, int rot) {
  uint64_t k = static_cast<uint64_t>(piece);
  for (auto [sx, sy] : fixtures::covered_squares(x, y, piece, rot))
    k = k << 8 | static_cast<uint64_t>(sy * 16 + sx);
  return k;
}

// The placement rules written out square by square, independent of the
// precomputed corner and side lists.
class Rules {
 public:
  Rules(const Board& b, int q, int turn) : b_(b), q_(q), turn_(turn) {}

  bool legal(int x, int y, int piece, int rot) const {
    bool connected = false;
    for (auto [sx, sy] : fixtures::covered_squares(x, y, piece, rot)) {
      if (!fixtures::on_board(sx, sy)) return false;
      const Cell c = b_.square(sx, sy);
      if (c == Cell::Owned1 || c == Cell::Owned2) return false;
      if (own(sx + 1, sy) || own(sx - 1, sy) || own(sx, sy + 1) || own(sx, sy - 1)) return false;
      if (turn_ <= 1)
        connected |= c == start_cell(q_);
      else
        connected |= own(sx + 1, sy + 1) || own(sx - 1, sy + 1) || own(sx + 1, sy - 1) ||
                     own(sx - 1, sy - 1);
    }
    return connected;
  }

 private:
  bool own(int x, int y) const {
    return fixtures::on_board(x, y) && b_.square(x, y) == owned_cell(q_);
  }
  const Board& b_;
  int q_;
  int turn_;
};

// The stated figures of the first turn: catches a wrong walk or result order
// and a wrong first-move rule.
TEST(LegalMoves, FirstTurnOnTheEmptyBoard) {
  const Board b;
  const std::vector<Move> l1 = make_legal_list(1, PiecesLeft(), b, 1);
  ASSERT_EQ(l1.size(), 418u);
  const std::vector<Move> first5(l1.begin(), l1.begin() + 5);
  EXPECT_EQ(first5, (std::vector<Move>{make_move(4, 5, 20, 0), make_move(5, 4, 20, 0),
                                       make_move(4, 4, 20, 0), make_move(3, 4, 20, 0),
                                       make_move(4, 3, 20, 0)}));
  EXPECT_EQ(l1.back(), make_move(4, 4, 0, 0));

  const std::vector<Move> l2 = make_legal_list(2, PiecesLeft(), b, 1);
  ASSERT_EQ(l2.size(), 418u);
  EXPECT_EQ(l2.front(), make_move(9, 10, 20, 0));

  std::set<std::tuple<int, int, int>> h;
  for (const Move& m : l1)
    if (m.piece == kH) h.insert({m.x, m.y, m.rot});
  EXPECT_EQ(
      h,
      (std::set<std::tuple<int, int, int>>{
          {3, 3, 0}, {4, 3, 0}, {3, 4, 0}, {4, 4, 0}, {4, 3, 1}, {5, 3, 1}, {4, 4, 1}, {5, 4, 1}}));

  EXPECT_TRUE(make_legal_list(1, PiecesLeft::none(), b, 1).empty());
  EXPECT_FALSE(isexist_legal(1, PiecesLeft::none(), b, 1));
}

// Checks one player's list in one position: every listed move legal and
// unique in the right order, the list agreeing with isexist_legal (also for
// each piece alone) and with the buffer form. With brute_force, also every
// one of the 21 x 8 x 15 x 15 candidates (duplicate orientations and the
// margin column and row included) against the rules written out, and every
// legal one covered.
void check_list(const Position& pos, int q, const std::vector<Move>& list, bool brute_force) {
  const PiecesLeft& left = pos.left[q];
  ASSERT_EQ(isexist_legal(q, left, pos.field, pos.turn), !list.empty());

  const PieceTables& t = piece_tables();
  std::vector<std::pair<uint64_t, Move>> by_squares;
  for (size_t i = 0; i < list.size(); ++i) {
    const Move& m = list[i];
    ASSERT_TRUE(m.x >= 0 && m.x < kBoardSize && m.y >= 0 && m.y < kBoardSize);
    ASSERT_TRUE(left[m.piece] && !t.rot_dup[m.piece][m.rot]);
    ASSERT_TRUE(iscanset(m.x, m.y, q, m.piece, m.rot, pos.field, pos.turn));
    ASSERT_TRUE(islegal(m.x, m.y, q, m.piece, m.rot, pos.field));
    if (i > 0) {
      ASSERT_LT(walk_index(m), walk_index(list[i - 1]));
    }
    by_squares.push_back({square_key(m.x, m.y, m.piece, m.rot), m});
  }
  // The existence test piece by piece, so that every piece is at some time
  // the only one that decides.
  for (int piece = 0; piece < kPieceCount; ++piece) {
    if (!left[piece]) continue;
    const bool listed =
        std::any_of(list.begin(), list.end(), [&](const Move& m) { return m.piece == piece; });
    ASSERT_EQ(isexist_legal(q, PiecesLeft::only(piece), pos.field, pos.turn), listed)
        << "piece " << piece;
  }
  // Equal squares only for "h": orientation 1 at (x + 1, y) repeats
  // orientation 0 at (x, y), and the list holds the first one first.
  std::stable_sort(by_squares.begin(), by_squares.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 0; i < by_squares.size(); ++i) {
    const Move& m = by_squares[i].second;
    const bool repeated =
        i + 1 < by_squares.size() && by_squares[i + 1].first == by_squares[i].first;
    if (m.piece != kH) {
      ASSERT_FALSE(repeated) << "two moves cover the squares of " << int(m.x) << "," << int(m.y)
                             << " piece " << int(m.piece);
      continue;
    }
    ASSERT_TRUE(repeated);
    const Move& o = by_squares[++i].second;
    EXPECT_EQ(m.rot, 1);
    EXPECT_EQ(o.rot, 0);
    EXPECT_EQ(m.x, o.x + 1);
    EXPECT_EQ(m.y, o.y);
    ASSERT_TRUE(i + 1 == by_squares.size() || by_squares[i + 1].first != by_squares[i].first);
  }
  if (!brute_force) return;

  auto buffer = std::make_unique<MoveList>();
  make_legal_list(q, left, pos.field, pos.turn, *buffer);
  ASSERT_EQ(std::vector<Move>(buffer->begin(), buffer->end()), list);

  const Rules rules(pos.field, q, pos.turn);
  for (int piece = 0; piece < kPieceCount; ++piece)
    for (int rot = 0; rot < kOrientations; ++rot)
      for (int y = 0; y <= kBoardSize; ++y)
        for (int x = 0; x <= kBoardSize; ++x) {
          const bool expected = rules.legal(x, y, piece, rot);
          const bool tested = iscanset(x, y, q, piece, rot, pos.field, pos.turn) &&
                              islegal(x, y, q, piece, rot, pos.field);
          ASSERT_EQ(tested, expected) << "player " << q << " turn " << pos.turn << " at " << x
                                      << "," << y << " piece " << piece << " rot " << rot;
          if (expected && left[piece]) {
            const auto found =
                std::lower_bound(by_squares.begin(), by_squares.end(), square_key(x, y, piece, rot),
                                 [](const auto& e, uint64_t k) { return e.first < k; });
            ASSERT_TRUE(found != by_squares.end() && found->first == square_key(x, y, piece, rot))
                << "missing " << x << "," << y << " piece " << piece << " rot " << rot;
          }
        }
}

// Random legal play over whole games, both players tested in every position:
// catches any disagreement between the enumeration, the existence test, the
// two placement tests and the rules themselves, and a score that drifts from
// the squares owned.
TEST(LegalMoves, AgreeWithTheRulesOnRandomGames) {
  const std::vector<Position> positions = fixtures::random_positions(20240601, 40);
  ASSERT_GT(positions.size(), 1000u);
  const PieceTables& t = piece_tables();
  for (size_t i = 0; i < positions.size(); ++i) {
    const Position& pos = positions[i];
    for (int q = 1; q <= 2; ++q) {
      SCOPED_TRACE("position " + std::to_string(i) + " player " + std::to_string(q));
      const std::vector<Move> list =
          q == pos.player ? pos.moves : make_legal_list(q, pos.left[q], pos.field, pos.turn);
      check_list(pos, q, list, i % 60 == 0);
      if (HasFatalFailure()) return;
      int placed = 0;
      for (int p = 0; p < kPieceCount; ++p) placed += pos.left[q][p] ? 0 : t.square_count[p];
      EXPECT_EQ(pos.score[q], placed);
      EXPECT_EQ(pos.score[q], fixtures::owned_count(pos.field, q));
      EXPECT_EQ(pos.field.owned(q).count(), pos.score[q]);
    }
  }
}

// Have masks with a few random bits on a few random squares.
HaveMasks random_masks(std::mt19937& gen) {
  HaveMasks h{};
  for (auto& column : h)
    for (uint32_t& m : column)
      if (gen() % 6 == 0) m = static_cast<uint32_t>(gen() & gen() & gen()) & ((1u << 21) - 1);
  return h;
}

// Whether the 7 x 7 square around (x, y), without its own column, holds a
// square whose mask carries the piece.
bool probe(const HaveMasks& h, int piece, int x, int y) {
  for (int dy = -3; dy <= 3; ++dy)
    for (int dx = -3; dx <= 3; ++dx)
      if (dx != 0 && fixtures::on_board(x + dx, y + dy) && ((h[x + dx][y + dy] >> piece) & 1))
        return true;
  return false;
}

// Catches a filter applied before turn 6, skipped from turn 6 on, or probing
// the wrong neighbourhood (its own column, or the mask's x and y swapped).
TEST(FilteredMoves, EqualsTheLegalListFilteredFromTurnSix) {
  std::mt19937 gen(7);
  const std::vector<Position> positions = fixtures::random_positions(99, 12);
  auto out = std::make_unique<MoveList>();
  for (const Position& pos : positions) {
    const int q = pos.player;
    const std::vector<Move>& legal = pos.moves;
    const HaveMasks h = random_masks(gen);
    f6_make_legal_list(q, pos.own(), pos.field, pos.turn, h, *out);
    std::vector<Move> expected;
    for (const Move& m : legal)
      if (pos.turn <= 5 || probe(h, m.piece, m.x, m.y)) expected.push_back(m);
    ASSERT_EQ(std::vector<Move>(out->begin(), out->end()), expected) << "turn " << pos.turn;
    if (pos.turn >= 6) {
      f6_make_legal_list(q, pos.own(), pos.field, pos.turn, HaveMasks{}, *out);
      EXPECT_TRUE(out->empty());
    }
  }
}

// The probe pattern's edges on the one placement of the monomino at (7, 7):
// player 1 owns (6, 6) and player 2 holds its other three corners.
TEST(FilteredMoves, ProbePatternSkipsTheOwnColumn) {
  Board b;
  b.set_square(6, 6, Cell::Owned1);
  for (auto [x, y] : {std::pair{5, 5}, std::pair{7, 5}, std::pair{5, 7}})
    b.set_square(x, y, Cell::Owned2);
  const PiecesLeft left = PiecesLeft::only(0);
  ASSERT_EQ(make_legal_list(1, left, b, 6), std::vector<Move>{make_move(7, 7, 0, 0)});
  auto out = std::make_unique<MoveList>();
  auto kept = [&](const HaveMasks& h) {
    f6_make_legal_list(1, left, b, 6, h, *out);
    return out->size();
  };
  HaveMasks h{};
  for (int y = 4; y <= 10; ++y) h[7][y] = 1;  // the own column only
  EXPECT_EQ(kept(h), 0);
  h = HaveMasks{};
  h[10][4] = 1;  // (x + 3, y - 3)
  EXPECT_EQ(kept(h), 1);
  h[10][4] = 2;  // another piece's bit
  EXPECT_EQ(kept(h), 0);
  h = HaveMasks{};
  h[11][7] = h[7][11] = h[4][3] = 1;  // just outside the pattern
  EXPECT_EQ(kept(h), 0);
}

}  // namespace
}  // namespace trevosk
