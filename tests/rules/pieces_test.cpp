#include "rules/pieces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace trevosk {
namespace {

// The 21 drawings, rows 0..4 separated by '/', '.' for a blank.
constexpr const char* kDrawings[kPieceCount] = {
    "...../...../..*../...../.....", "...../...../..*../..*../.....",
    "...../..*../..*../..*../.....", "...../..*../..**./...../.....",
    "...../..*../..*../..*../..*..", "...../..*../..*../.**../.....",
    "...../..*../..**./..*../.....", "...../...../..**./..**./.....",
    "...../...../.**../..**./.....", "..*../..*../..*../..*../..*..",
    "..*../..*../..*../.**../.....", "..*../..*../.**../.*.../.....",
    "...../..*../.**../.**../.....", "...../.**../..*../.**../.....",
    "...../..*../..**./..*../..*..", "...../..*../..*../.***./.....",
    "..*../..*../..***/...../.....", "...../.**../..**./...*./.....",
    "...../.*.../.***./...*./.....", "...../.*.../.***./..*../.....",
    "...../..*../.***./..*../.....",
};

bool square_at(const Picture& p, int r, int c) {
  return r >= 0 && r < 5 && c >= 0 && c < 5 && p[r][c] == '*';
}

// A shape as its squares moved to the top left corner, for comparing
// orientations up to translation.
std::vector<std::pair<int, int>> shape(const Picture& p) {
  std::vector<std::pair<int, int>> s;
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c)
      if (p[r][c] == '*') s.emplace_back(r, c);
  int r0 = 5, c0 = 5;
  for (auto [r, c] : s) r0 = std::min(r0, r), c0 = std::min(c0, c);
  for (auto& [r, c] : s) r -= r0, c -= c0;
  return s;
}

// Cells of a frame of side n for which `marked` holds, in reverse scan order.
template <class F>
std::vector<Cell2> reverse_scan(int n, F marked) {
  std::vector<Cell2> v;
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c)
      if (marked(r, c)) v.insert(v.begin(), Cell2{static_cast<int8_t>(r), static_cast<int8_t>(c)});
  return v;
}

template <int N>
std::vector<Cell2> as_vector(const CellList<N>& l) {
  return std::vector<Cell2>(l.begin(), l.end());
}

// Catches a wrong or mistyped drawing, a turn or mirror applied the wrong
// way, or an orientation that does not turn about the reference square.
TEST(PieceTables, PicturesAreTheDrawingsTurnedAndMirrored) {
  const PieceTables& t = piece_tables();
  int total = 0;
  for (int p = 0; p < kPieceCount; ++p) {
    SCOPED_TRACE(std::string("piece ") + piece_letter(p));
    const auto& pic = t.piece_pic[p];
    for (int i = 0; i < 5; ++i)
      for (int j = 0; j < 5; ++j) {
        const char d = kDrawings[p][i * 6 + j];
        EXPECT_EQ(pic[0][i][j], d == '*' ? '*' : ' ');
        total += d == '*';
        EXPECT_EQ(pic[1][i][j], pic[0][i][4 - j]);
        EXPECT_EQ(pic[2][j][4 - i], pic[0][i][j]);
        EXPECT_EQ(pic[3][i][j], pic[2][i][4 - j]);
        EXPECT_EQ(pic[4][4 - i][4 - j], pic[0][i][j]);
        EXPECT_EQ(pic[5][i][j], pic[4][i][4 - j]);
        EXPECT_EQ(pic[6][4 - j][i], pic[0][i][j]);
        EXPECT_EQ(pic[7][i][j], pic[6][i][4 - j]);
      }
    for (int r = 0; r < kOrientations; ++r) EXPECT_EQ(pic[r][2][2], '*') << "orientation " << r;
  }
  EXPECT_EQ(total, 89);
}

// Catches lists built from the wrong cells, in the wrong order, or with a
// corner cell that touches the piece along an edge.
TEST(PieceTables, ListsFollowThePicturesInReverseScanOrder) {
  const PieceTables& t = piece_tables();
  for (int p = 0; p < kPieceCount; ++p)
    for (int rot = 0; rot < kOrientations; ++rot) {
      SCOPED_TRACE(std::string("piece ") + piece_letter(p) + " orientation " + std::to_string(rot));
      const Picture& pic = t.piece_pic[p][rot];
      // Frame cell (r, c) lies over picture cell (r - 1, c - 1).
      auto sq = [&](int r, int c) { return square_at(pic, r - 1, c - 1); };
      auto side = [&](int r, int c) {
        return sq(r, c) || sq(r - 1, c) || sq(r + 1, c) || sq(r, c - 1) || sq(r, c + 1);
      };
      auto corner = [&](int r, int c) {
        return !side(r, c) &&
               (sq(r - 1, c - 1) || sq(r - 1, c + 1) || sq(r + 1, c - 1) || sq(r + 1, c + 1));
      };
      EXPECT_EQ(as_vector(t.cell_list[p][rot]),
                reverse_scan(5, [&](int r, int c) { return square_at(pic, r, c); }));
      EXPECT_EQ(as_vector(t.side_list[p][rot]), reverse_scan(7, side));
      EXPECT_EQ(as_vector(t.corner_list[p][rot]), reverse_scan(7, corner));
      EXPECT_EQ(t.square_count[p], t.cell_list[p][rot].size);
    }
}

// The figures stated for the tables: catches any drift in the lists'
// construction that the definitions above could share with the code.
TEST(PieceTables, OrientationZeroListSizesAndTheListsOfA) {
  const int sizes[kPieceCount][3] = {
      {1, 4, 5},  {2, 4, 8},  {3, 4, 11}, {3, 5, 10}, {4, 4, 14}, {4, 5, 13}, {4, 6, 12},
      {4, 4, 12}, {4, 6, 12}, {5, 4, 17}, {5, 5, 16}, {5, 6, 15}, {5, 5, 14}, {5, 5, 15},
      {5, 6, 15}, {5, 6, 15}, {5, 5, 16}, {5, 7, 14}, {5, 6, 15}, {5, 7, 14}, {5, 8, 13}};
  const PieceTables& t = piece_tables();
  for (int p = 0; p < kPieceCount; ++p) {
    EXPECT_EQ(t.cell_list[p][0].size, sizes[p][0]) << piece_letter(p);
    EXPECT_EQ(t.corner_list[p][0].size, sizes[p][1]) << piece_letter(p);
    EXPECT_EQ(t.side_list[p][0].size, sizes[p][2]) << piece_letter(p);
  }
  EXPECT_EQ(as_vector(t.corner_list[0][0]), (std::vector<Cell2>{{4, 4}, {4, 2}, {2, 4}, {2, 2}}));
  EXPECT_EQ(as_vector(t.side_list[0][0]),
            (std::vector<Cell2>{{4, 3}, {3, 4}, {3, 3}, {3, 2}, {2, 3}}));
}

// Catches a duplicate orientation that is enumerated (moves listed twice) or
// a distinct one that is skipped (moves missing).
TEST(PieceTables, OrientationsUsedByTheEnumeration) {
  // Bit r set: orientation r is used.
  const unsigned used[kPieceCount] = {0x01, 0x05, 0x05, 0x0F, 0x05, 0xFF, 0x47,
                                      0x03, 0x0F, 0x05, 0xFF, 0xFF, 0xFF, 0x47,
                                      0xFF, 0x1D, 0x0F, 0x0F, 0x0F, 0xFF, 0x01};
  const PieceTables& t = piece_tables();
  for (int p = 0; p < kPieceCount; ++p) {
    SCOPED_TRACE(std::string("piece ") + piece_letter(p));
    std::set<std::vector<std::pair<int, int>>> used_shapes;
    for (int r = 0; r < kOrientations; ++r) {
      EXPECT_EQ(!t.rot_dup[p][r], ((used[p] >> r) & 1) == 1) << "orientation " << r;
      if (!t.rot_dup[p][r]) used_shapes.insert(shape(t.piece_pic[p][r]));
    }
    // The used orientations are distinct shapes ("h" uses its one shape
    // twice), and every orientation is one of them.
    EXPECT_EQ(used_shapes.size(), p == 7 ? 1u : static_cast<size_t>(std::popcount(used[p])));
    for (int r = 0; r < kOrientations; ++r)
      EXPECT_TRUE(used_shapes.count(shape(t.piece_pic[p][r]))) << "orientation " << r;
  }
  // Orientations 2 and 3 of "b" are the same horizontal domino one square
  // apart: (2,1) (2,2) and (2,2) (2,3).
  EXPECT_EQ(as_vector(t.cell_list[1][2]), (std::vector<Cell2>{{2, 2}, {2, 1}}));
  EXPECT_EQ(as_vector(t.cell_list[1][3]), (std::vector<Cell2>{{2, 3}, {2, 2}}));
}

}  // namespace
}  // namespace trevosk
