#include "rules/board.h"

#include <cassert>

#include "rules/pieces.h"

namespace trevosk {

Board::Board() {
  cells_.fill(Cell::Outside);
  for (int y = 0; y < kBoardSize; ++y)
    for (int x = 0; x < kBoardSize; ++x) cells_[(y + kMargin) * kSide + x + kMargin] = Cell::Empty;
  set_square(start_x(1), start_x(1), Cell::Start1);
  set_square(start_x(2), start_x(2), Cell::Start2);
}

void Board::set_square(int x, int y, Cell c) {
  assert(x >= 0 && x < kBoardSize && y >= 0 && y < kBoardSize && c != Cell::Outside);
  cells_[(y + kMargin) * kSide + x + kMargin] = c;
  const int i = Bitboard::index(x, y);
  for (int p = 0; p < 2; ++p) {
    owned_[p].reset(i);
    start_[p].reset(i);
  }
  if (c == Cell::Owned1) owned_[0].set(i);
  if (c == Cell::Owned2) owned_[1].set(i);
  if (c == Cell::Start1) start_[0].set(i);
  if (c == Cell::Start2) start_[1].set(i);
}

bool iscanset(int x, int y, int player, int piece, int rot, const Board& field, int turn) {
  const PieceTables& t = piece_tables();
  if (turn >= 2) {
    const Cell own = owned_cell(player);
    for (const Cell2& c : t.corner_list[piece][rot])
      if (field.element(y + c.y + 1, x + c.x + 1) == own) return true;
    return false;
  }
  const Cell start = start_cell(player);
  for (const Cell2& c : t.cell_list[piece][rot])
    if (field.element(y + c.y + 2, x + c.x + 2) == start) return true;
  return false;
}

bool islegal(int x, int y, int player, int piece, int rot, const Board& field) {
  const PieceTables& t = piece_tables();
  for (const Cell2& c : t.cell_list[piece][rot]) {
    const Cell e = field.element(y + c.y + 2, x + c.x + 2);
    if (e != Cell::Empty && e != Cell::Start1 && e != Cell::Start2) return false;
  }
  const Cell own = owned_cell(player);
  for (const Cell2& c : t.side_list[piece][rot])
    if (field.element(y + c.y + 1, x + c.x + 1) == own) return false;
  return true;
}

void setpiece(int x, int y, int player, int piece, int rot, Board& field, PiecesLeft& left,
              int& score) {
  const PieceTables& t = piece_tables();
  for (const Cell2& c : t.cell_list[piece][rot]) {
    ++score;
    field.set_square(x + c.x - 2, y + c.y - 2, owned_cell(player));
  }
  left.set(piece, false);
}

}  // namespace trevosk
