// Piece tables: the 21 pieces in their eight orientations.
//
// Built once from the 21 stored drawings and read-only afterwards: the
// picture of every orientation, the flags of orientations the move
// enumeration skips, and per orientation the lists of its squares, of its
// corner cells and of its squares with their edge neighbours.
#pragma once

#include <array>
#include <cstdint>

#include "rules/bitboard.h"
#include "rules/move.h"

namespace trevosk {

// Five rows of five characters, row 0 at the top; '*' marks a square.
using Picture = std::array<std::array<char, 5>, 5>;

// A cell of a piece's picture, column x and row y as on the board: picture
// coordinates 0..4 in a square list, 7 x 7 frame coordinates 0..6 (picture
// square (x, y) at frame cell (x + 1, y + 1)) in a corner or side list.
struct Cell2 {
  int8_t x;
  int8_t y;
  friend constexpr bool operator==(const Cell2&, const Cell2&) = default;
};

// A short list of cells with a fixed capacity.
template <int N>
struct CellList {
  std::array<Cell2, N> cells{};
  int size = 0;
  const Cell2* begin() const { return cells.data(); }
  const Cell2* end() const { return cells.data() + size; }
  const Cell2& operator[](int i) const { return cells[i]; }
};

struct PieceTables {
  std::array<std::array<Picture, kOrientations>, kPieceCount> piece_pic;
  std::array<std::array<bool, kOrientations>, kPieceCount> rot_dup;
  // All lists run in reverse scan order: the last row first, and within a
  // row the last column first.
  std::array<std::array<CellList<5>, kOrientations>, kPieceCount> cell_list;
  std::array<std::array<CellList<16>, kOrientations>, kPieceCount> corner_list;
  std::array<std::array<CellList<25>, kOrientations>, kPieceCount> side_list;
  // Derived for the bit-parallel enumeration: each square's bit offset
  // (row - 2) * 16 + (column - 2) from the reference square.
  std::array<std::array<std::array<int8_t, 5>, kOrientations>, kPieceCount> square_offset;
  std::array<int, kPieceCount> square_count;
};

// The tables, built on first use (the program builds them at start-up).
const PieceTables& piece_tables();

// The letter of a piece in move codes and trays: 'a' + index.
constexpr char piece_letter(int piece) { return static_cast<char>('a' + piece); }

// The squares a placement covers on the board, as a bitboard. Squares off the
// board are dropped; callers pass placements that lie on the board.
Bitboard placement_squares(const Move& m);

}  // namespace trevosk
