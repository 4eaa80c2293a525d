// The ground, the board, the trays and the status line, read back pixel by
// pixel from the frame buffer.
#include "game/game_state.h"
#include "gui_test_support.h"
#include "rules/pieces.h"

namespace trevosk::testing {
namespace {

class Rendering : public WindowTest {
 protected:
  // Whether all 16 x 16 pixels of board cell (c, r)'s square have colour k.
  bool square_is(int c, int r, Color k) {
    for (int y = 361 - 18 * r; y <= 376 - 18 * r; ++y)
      for (int x = 18 * c + 19; x <= 18 * c + 34; ++x)
        if (w.point_color(x, y) != k) return false;
    return true;
  }
};

TEST_F(Rendering, EmptyBoardIsGreyWithTwoStartRings) {
  draw_ground(w);
  draw(w, Board());
  for (int r = 0; r < kBoardSize; ++r) {
    for (int c = 0; c < kBoardSize; ++c) {
      const int p = c == 4 && r == 4 ? 1 : c == 9 && r == 9 ? 2 : 0;
      if (p == 0) {
        EXPECT_TRUE(square_is(c, r, kEmptyGrey)) << c << "," << r;
        continue;
      }
      // A ring of radius 8 around the square's middle, grey inside it.
      const int cx = 18 * c + 27, cy = 369 - 18 * r;
      EXPECT_EQ(w.point_color(cx, cy), kEmptyGrey);
      for (auto [dx, dy] : {std::pair{8, 0}, {-8, 0}, {0, 8}, {0, -8}})
        EXPECT_EQ(w.point_color(cx + dx, cy + dy), player_color[p - 1]) << c << "," << r;
    }
  }
  // Grid gaps stay black; the frame is blue.
  EXPECT_EQ(w.point_color(18 * 0 + 35, 300), kBlack);
  EXPECT_EQ(w.point_color(100, 18 * 0 + 377), kBlack);
  EXPECT_EQ(w.point_color(16, 124), kFrameBlue);
  EXPECT_EQ(w.point_color(271, 379), kFrameBlue);
  EXPECT_EQ(w.point_color(140, 379), kFrameBlue);
  EXPECT_EQ(w.point_color(290, 90), kFrameBlue);
  EXPECT_EQ(w.point_color(490, 240), kFrameBlue);
}

TEST_F(Rendering, OwnedSquaresTakeTheirOwnersColour) {
  GameState g;
  setpiece(make_move(5, 5, 19, 0), 1, g.field, g.pieces_left[1], g.score[1]);  // covers (4,4)
  setpiece(make_move(9, 9, 0, 0), 2, g.field, g.pieces_left[2], g.score[2]);
  setpiece(make_move(6, 7, 1, 0), 2, g.field, g.pieces_left[2], g.score[2]);  // (6,7), (6,8)
  draw_ground(w);
  draw(w, g.field);
  for (auto [c, r] : {std::pair{4, 4}, {4, 5}, {5, 5}, {6, 5}, {5, 6}})
    EXPECT_TRUE(square_is(c, r, player_color[0])) << c << "," << r;
  for (auto [c, r] : {std::pair{9, 9}, {6, 7}, {6, 8}})
    EXPECT_TRUE(square_is(c, r, player_color[1])) << c << "," << r;
  EXPECT_TRUE(square_is(7, 7, kEmptyGrey));
  // A covered start square has no ring: its right edge in the gap is black.
  EXPECT_EQ(w.point_color(18 * 4 + 35, 369 - 18 * 4), kBlack);
}

TEST_F(Rendering, TraysShowTheUnusedPiecesOnly) {
  PiecesLeft left1, left2 = PiecesLeft::none();
  for (int used : {0, 9, 20}) left1.set(used, false);
  left2.set(13, true);
  draw_pieces(w, left1, 1);
  draw_pieces(w, left2, 2);
  const PieceTables& t = piece_tables();
  for (int p = 1; p <= 2; ++p) {
    const PiecesLeft& left = p == 1 ? left1 : left2;
    const int bottom = tray_bottom(p);
    EXPECT_EQ(w.point_color(15, bottom), kTrayRed);
    EXPECT_EQ(w.point_color(267, bottom + 108), kTrayRed);
    for (int i = 0; i < kPieceCount; ++i) {
      // Each square of the drawing is a 4 x 4 block at a pitch of 6.
      for (int a = 0; a < 5; ++a) {
        for (int b = 0; b < 5; ++b) {
          const int x = 15 + 36 * (i % 7) + 6 * b, y = bottom + 102 - 36 * (i / 7) - 6 * a;
          const bool shown = left[i] && t.piece_pic[i][0][a][b] == '*';
          const Color want = shown ? player_color[p - 1] : kBlack;
          // (x, y) itself may lie on the tray's frame, at x = 15.
          EXPECT_EQ(w.point_color(x + 1, y), want) << p << " piece " << i << " " << a << b;
          EXPECT_EQ(w.point_color(x + 3, y + 3), want) << p << " piece " << i << " " << a << b;
          EXPECT_EQ(w.point_color(x + 4, y + 4), kBlack) << p << " piece " << i;
        }
      }
    }
  }
}

TEST_F(Rendering, StatusLineErasesExactlyItsOwnBox) {
  w.set_color(kArrowWhite);
  w.fill_rect(300, 440, 200, 60);
  const TextSize size = w.text_size("Turn-P2 / P1:12 P2: 0 ( 3)");
  draw_score(w, 12, 0, 3, 2);
  int green = 0;
  for (int y = 450; y < 450 + size.height; ++y) {
    for (int x = 310; x < 310 + size.width; ++x) {
      const Color c = w.point_color(x, y);
      EXPECT_TRUE(c == kBlack || c == kStatusGreen) << x << "," << y;
      green += c == kStatusGreen;
    }
  }
  EXPECT_GT(green, 100);
  EXPECT_EQ(w.point_color(309, 450), kArrowWhite);
  EXPECT_EQ(w.point_color(310 + size.width, 450), kArrowWhite);
  EXPECT_EQ(w.point_color(310, 449), kArrowWhite);
  EXPECT_EQ(w.point_color(310, 450 + size.height), kArrowWhite);
}

TEST_F(Rendering, ArrowsAreWhiteStrokesInTheControlPanel) {
  draw_ground(w);
  const std::pair<int, int> ends[] = {
      {380, 200}, {370, 210}, {380, 220}, {420, 210}, {410, 200}, {410, 220},  // mirror left-right
      {300, 120}, {310, 110}, {320, 120}, {310, 150}, {300, 150}, {320, 150},  // mirror top-bottom
      {300, 180}, {310, 170}, {320, 180}, {350, 210},                          // turn left
      {460, 180}, {470, 170}, {480, 180}, {430, 210},                          // turn right
  };
  for (auto [x, y] : ends) EXPECT_EQ(w.point_color(x, y), kArrowWhite) << x << "," << y;
  // Between the strokes the panel is black.
  for (auto [x, y] : {std::pair{400, 150}, {340, 150}, {395, 205}, {450, 230}, {305, 200}})
    EXPECT_EQ(w.point_color(x, y), kBlack) << x << "," << y;
  // The left turn's arc bulges up and left, the right turn's up and right.
  auto white_in_column = [&](int x) {
    for (int y = 190; y <= 205; ++y)
      if (w.point_color(x, y) == kArrowWhite) return true;
    return false;
  };
  EXPECT_TRUE(white_in_column(350 - 28));
  EXPECT_TRUE(white_in_column(430 + 28));
}

}  // namespace
}  // namespace trevosk::testing
