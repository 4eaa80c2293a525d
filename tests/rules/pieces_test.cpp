#include "rules/pieces.h"

#include <gtest/gtest.h>

#include <vector>

namespace trevosk {
namespace {

template <int N>
std::vector<Cell2> as_vector(const CellList<N>& l) {
  return std::vector<Cell2>(l.begin(), l.end());
}

// Catches mistyped drawings, wrong corner/side lists, and doubled or missing orientations.
TEST(PieceTables, StatedFigures) {
  // Squares, corner cells and side cells of orientation 0.
  const int sizes[kPieceCount][3] = {
      {1, 4, 5},  {2, 4, 8},  {3, 4, 11}, {3, 5, 10}, {4, 4, 14}, {4, 5, 13}, {4, 6, 12},
      {4, 4, 12}, {4, 6, 12}, {5, 4, 17}, {5, 5, 16}, {5, 6, 15}, {5, 5, 14}, {5, 5, 15},
      {5, 6, 15}, {5, 6, 15}, {5, 5, 16}, {5, 7, 14}, {5, 6, 15}, {5, 7, 14}, {5, 8, 13}};
  // Bit r set: orientation r is used by the enumeration.
  const unsigned used[kPieceCount] = {0x01, 0x05, 0x05, 0x0F, 0x05, 0xFF, 0x47,
                                      0x03, 0x0F, 0x05, 0xFF, 0xFF, 0xFF, 0x47,
                                      0xFF, 0x1D, 0x0F, 0x0F, 0x0F, 0xFF, 0x01};
  const PieceTables& t = piece_tables();
  int total = 0;
  for (int p = 0; p < kPieceCount; ++p) {
    SCOPED_TRACE(piece_letter(p));
    EXPECT_EQ(t.cell_list[p][0].size, sizes[p][0]);
    EXPECT_EQ(t.corner_list[p][0].size, sizes[p][1]);
    EXPECT_EQ(t.side_list[p][0].size, sizes[p][2]);
    EXPECT_EQ(t.square_count[p], sizes[p][0]);
    total += t.square_count[p];
    for (int r = 0; r < kOrientations; ++r) {
      EXPECT_EQ(t.piece_pic[p][r][2][2], '*') << "orientation " << r;
      EXPECT_EQ(t.cell_list[p][r].size, sizes[p][0]) << "orientation " << r;
      EXPECT_EQ(!t.rot_dup[p][r], ((used[p] >> r) & 1) == 1) << "orientation " << r;
    }
  }
  EXPECT_EQ(total, 89);
  EXPECT_EQ(as_vector(t.corner_list[0][0]), (std::vector<Cell2>{{4, 4}, {2, 4}, {4, 2}, {2, 2}}));
  EXPECT_EQ(as_vector(t.side_list[0][0]),
            (std::vector<Cell2>{{3, 4}, {4, 3}, {3, 3}, {2, 3}, {3, 2}}));
}

// Catches a wrong turn or mirror: each orientation is orientation 0 turned
// (2, 4, 6: a quarter, half, three quarters clockwise) and mirrored (odd).
TEST(PieceTables, OrientationsAreTurnsAndMirrors) {
  const PieceTables& t = piece_tables();
  for (int p = 0; p < kPieceCount; ++p) {
    const auto& pic = t.piece_pic[p];
    for (int i = 0; i < 5; ++i)
      for (int j = 0; j < 5; ++j) {
        const char c = pic[0][i][j];
        EXPECT_EQ(pic[2][j][4 - i], c);
        EXPECT_EQ(pic[4][4 - i][4 - j], c);
        EXPECT_EQ(pic[6][4 - j][i], c);
        for (int r = 1; r < kOrientations; r += 2) EXPECT_EQ(pic[r][i][j], pic[r - 1][i][4 - j]);
      }
  }
  // Orientations 2 and 3 of "b" are the two horizontal dominoes.
  EXPECT_EQ(as_vector(t.cell_list[1][2]), (std::vector<Cell2>{{2, 2}, {1, 2}}));
  EXPECT_EQ(as_vector(t.cell_list[1][3]), (std::vector<Cell2>{{3, 2}, {2, 2}}));
}

}  // namespace
}  // namespace trevosk
