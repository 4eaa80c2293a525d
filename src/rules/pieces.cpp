#include "rules/pieces.h"

#include <string_view>

namespace trevosk {
namespace {

// The 21 drawings, in piece order: monomino, domino, the two triominoes, the
// five tetrominoes and the twelve pentominoes.
constexpr std::string_view kDrawings[kPieceCount][5] = {
    {"     ", "     ", "  *  ", "     ", "     "},  // a
    {"     ", "     ", "  *  ", "  *  ", "     "},  // b
    {"     ", "  *  ", "  *  ", "  *  ", "     "},  // c
    {"     ", "  *  ", "  ** ", "     ", "     "},  // d
    {"     ", "  *  ", "  *  ", "  *  ", "  *  "},  // e
    {"     ", "  *  ", "  *  ", " **  ", "     "},  // f
    {"     ", "  *  ", "  ** ", "  *  ", "     "},  // g
    {"     ", "     ", "  ** ", "  ** ", "     "},  // h
    {"     ", "     ", " **  ", "  ** ", "     "},  // i
    {"  *  ", "  *  ", "  *  ", "  *  ", "  *  "},  // j
    {"  *  ", "  *  ", "  *  ", " **  ", "     "},  // k
    {"  *  ", "  *  ", " **  ", " *   ", "     "},  // l
    {"     ", "  *  ", " **  ", " **  ", "     "},  // m
    {"     ", " **  ", "  *  ", " **  ", "     "},  // n
    {"     ", "  *  ", "  ** ", "  *  ", "  *  "},  // o
    {"     ", "  *  ", "  *  ", " *** ", "     "},  // p
    {"  *  ", "  *  ", "  ***", "     ", "     "},  // q
    {"     ", " **  ", "  ** ", "   * ", "     "},  // r
    {"     ", " *   ", " *** ", "   * ", "     "},  // s
    {"     ", " *   ", " *** ", "  *  ", "     "},  // t
    {"     ", "  *  ", " *** ", "  *  ", "     "},  // u
};

template <int S>
using Frame = std::array<std::array<char, S>, S>;

template <int S>
Frame<S> blank() {
  Frame<S> f;
  for (auto& row : f) row.fill(' ');
  return f;
}

// Scans a picture row by row and puts every marked cell at the front of the
// list, so the list ends up in reverse scan order.
template <int S, int N>
CellList<N> scan_list(const Frame<S>& pic) {
  CellList<N> list;
  for (int r = 0; r < S; ++r)
    for (int c = 0; c < S; ++c)
      if (pic[r][c] == '*') {
        for (int k = list.size; k > 0; --k) list.cells[k] = list.cells[k - 1];
        list.cells[0] = Cell2{static_cast<int8_t>(c), static_cast<int8_t>(r)};
        ++list.size;
      }
  return list;
}

PieceTables build() {
  PieceTables t{};
  for (int p = 0; p < kPieceCount; ++p) {
    // 1. Orientation 0 is the drawing; the others start blank.
    auto& pic = t.piece_pic[p];
    for (int i = 0; i < 5; ++i)
      for (int j = 0; j < 5; ++j) pic[0][i][j] = kDrawings[p][i][j];
    for (int r = 1; r < kOrientations; ++r) pic[r] = blank<5>();
    // 2. Turns of orientation 0, then the left-right mirror of each turn.
    for (int i = 0; i < 5; ++i)
      for (int j = 0; j < 5; ++j) {
        pic[2][j][4 - i] = pic[0][i][j];
        pic[4][4 - i][4 - j] = pic[0][i][j];
        pic[6][4 - j][i] = pic[0][i][j];
      }
    for (int i = 0; i < 5; ++i)
      for (int j = 0; j < 5; ++j) {
        pic[1][i][j] = pic[0][i][4 - j];
        pic[3][i][j] = pic[2][i][4 - j];
        pic[5][i][j] = pic[4][i][4 - j];
        pic[7][i][j] = pic[6][i][4 - j];
      }
    // 3. An orientation equal to an earlier one is skipped.
    for (int r = 1; r < kOrientations; ++r)
      for (int j = 0; j < r; ++j)
        if (pic[r] == pic[j]) t.rot_dup[p][r] = true;
  }
  // Picture equality misses shapes that repeat one square off centre.
  for (int p : {1, 4, 7})
    for (int r = 3; r < kOrientations; ++r) t.rot_dup[p][r] = true;
  for (int r = 4; r < kOrientations; ++r) t.rot_dup[8][r] = true;

  for (int p = 0; p < kPieceCount; ++p) {
    for (int r = 0; r < kOrientations; ++r) {
      const Picture& pic = t.piece_pic[p][r];
      // 4. Corner and side pictures in the 7 x 7 frame.
      Frame<7> corner = blank<7>();
      Frame<7> side = blank<7>();
      for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j) {
          if (pic[i][j] != '*') continue;
          corner[i][j] = corner[i][j + 2] = corner[i + 2][j] = corner[i + 2][j + 2] = '*';
          side[i + 1][j + 1] = side[i][j + 1] = side[i + 2][j + 1] = '*';
          side[i + 1][j] = side[i + 1][j + 2] = '*';
        }
      for (int i = 0; i < 7; ++i)
        for (int j = 0; j < 7; ++j)
          if (side[i][j] == '*') corner[i][j] = ' ';
      // 5. The lists.
      Frame<5> pic5;
      for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j) pic5[i][j] = pic[i][j];
      t.cell_list[p][r] = scan_list<5, 5>(pic5);
      t.corner_list[p][r] = scan_list<7, 16>(corner);
      t.side_list[p][r] = scan_list<7, 25>(side);
      const auto& cells = t.cell_list[p][r];
      for (int k = 0; k < cells.size; ++k)
        t.square_offset[p][r][k] = static_cast<int8_t>((cells[k].y - 2) * 16 + cells[k].x - 2);
    }
    t.square_count[p] = t.cell_list[p][0].size;
  }
  return t;
}

}  // namespace

const PieceTables& piece_tables() {
  static const PieceTables tables = build();
  return tables;
}

Bitboard placement_squares(const Move& m) {
  const PieceTables& t = piece_tables();
  Bitboard b;
  for (const Cell2& c : t.cell_list[m.piece][m.rot]) {
    int x = m.x + c.x - 2;
    int y = m.y + c.y - 2;
    if (x >= 0 && x < kBoardSize && y >= 0 && y < kBoardSize) b.set(Bitboard::index(x, y));
  }
  return b;
}

}  // namespace trevosk
