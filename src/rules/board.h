// Board: the 14 x 14 squares inside a guard margin, the two placement tests
// and move application.
//
// The board is a 22 x 22 array indexed [row][column] with a margin of four
// Outside elements on every side, so that every anchored square or frame cell
// of a placement with x, y in 0..14 stays inside the array. Beside the array
// it keeps the same position as bitboards for the fast enumeration; both are
// written only through set_square() and setpiece().
#pragma once

#include <array>
#include <cstdint>

#include "rules/bitboard.h"
#include "rules/move.h"
#include "rules/pieces_left.h"

namespace trevosk {

enum class Cell : uint8_t { Empty, Outside, Start1, Start2, Owned1, Owned2 };

constexpr Cell start_cell(int player) { return player == 1 ? Cell::Start1 : Cell::Start2; }
constexpr Cell owned_cell(int player) { return player == 1 ? Cell::Owned1 : Cell::Owned2; }

class Board {
 public:
  static constexpr int kSide = 22;
  static constexpr int kMargin = 4;

  // The start position: every square Empty but the two start squares,
  // column 4, row 4 for player 1 and column 9, row 9 for player 2.
  Board();

  // Element [row][col] of the 22 x 22 array.
  Cell element(int row, int col) const { return cells_[row * kSide + col]; }
  // Board square (column x, row y), 0..13.
  Cell square(int x, int y) const { return element(y + kMargin, x + kMargin); }
  // Sets board square (x, y); the value is never Outside.
  void set_square(int x, int y, Cell c);

  // Squares owned by player p (1 or 2), and squares holding Start p.
  const Bitboard& owned(int p) const { return owned_[p - 1]; }
  const Bitboard& starts(int p) const { return start_[p - 1]; }
  Bitboard occupied() const { return owned_[0] | owned_[1]; }

  friend bool operator==(const Board&, const Board&) = default;

 private:
  static constexpr int kCells = kSide * kSide;
  std::array<Cell, kCells> cells_;
  Bitboard owned_[2];
  Bitboard start_[2];
};

// The start square of player p: (4, 4) for player 1, (9, 9) for player 2.
constexpr int start_x(int p) { return p == 1 ? 4 : 9; }

// Connection test: from turn 2 on, a corner cell of the placement holds one
// of the player's squares; on turn 1 (or below) a square of it covers the
// player's uncovered start square. x and y may be 0..14.
bool iscanset(int x, int y, int player, int piece, int rot, const Board& field, int turn);

// Fit test: every square lands on Empty or a Start square, and no square or
// edge neighbour holds one of the player's own squares.
bool islegal(int x, int y, int player, int piece, int rot, const Board& field);

// Applies a move that passed both tests: covers its squares for the player,
// adds one to the score per square and marks the piece used.
void setpiece(int x, int y, int player, int piece, int rot, Board& field, PiecesLeft& left,
              int& score);

inline void setpiece(const Move& m, int player, Board& field, PiecesLeft& left, int& score) {
  setpiece(m.x, m.y, player, m.piece, m.rot, field, left, score);
}

}  // namespace trevosk
