// The ground, the board, the trays and the status line, read back pixel by
// pixel from the frame buffer.
#include <cstdint>

#include "gui_test_support.h"

namespace trevosk::testing {
namespace {

class Rendering : public WindowTest {
 protected:
  // Player 1 owns (4, 4), its start square, and (5, 5), and has used piece
  // 9; player 2 owns (6, 7), its start square (9, 9) is free, and only piece
  // 13 is left to it.
  void draw_position() {
    Board b;
    b.set_square(4, 4, Cell::Owned1);
    b.set_square(5, 5, Cell::Owned1);
    b.set_square(6, 7, Cell::Owned2);
    PiecesLeft left1;
    left1.set(9, false);
    draw_ground(w);
    draw(w, b);
    draw_pieces(w, left1, 1);
    draw_pieces(w, PiecesLeft::only(13), 2);
  }
  int count_in_slot(int player, int i) const {
    const Point m = slot_point(player, i);
    return count(m.x - 18, m.y - 18, m.x + 17, m.y + 17, player_color[player - 1]);
  }
  // Pixels of colour k in the rectangle from (x0, y0) to (x1, y1) inclusive.
  int count(int x0, int y0, int x1, int y1, Color k) const {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) n += w.point_color(x, y) == k;
    return n;
  }
};

// Catches a board square, ring, frame, arrow or tray piece drawn in the
// wrong place or colour (pixels as the window has always shown them).
TEST_F(Rendering, BoardAndPanelLandmarks) {
  draw_position();
  const Color grey = kEmptyGrey, yellow = player_color[1];
  EXPECT_EQ(count(19, 361, 34, 376, grey), 256);              // square (0, 0), top left
  EXPECT_EQ(count(18, 360, 35, 377, kBlack), 18 * 18 - 256);  // and the gaps around it
  EXPECT_EQ(count(91, 289, 106, 304, player_color[0]), 256);  // (4, 4): no ring once covered
  EXPECT_EQ(count(127, 235, 142, 250, yellow), 256);          // (6, 7)
  // The ring on the free start square (9, 9), grey inside; the frames.
  EXPECT_EQ(w.point_color(189, 207), grey);
  for (auto [x, y] : {std::pair{197, 207}, {181, 207}, {189, 215}, {189, 199}})
    EXPECT_EQ(w.point_color(x, y), yellow) << x << "," << y;
  for (auto [x, y] : {std::pair{16, 124}, {271, 379}, {290, 90}, {490, 240}})
    EXPECT_EQ(w.point_color(x, y), kFrameBlue) << x << "," << y;
  // Arrow tips: left of the left-right mirror, top of the top-bottom mirror,
  // the heads of the two turns; black between the strokes.
  for (auto [x, y] : {std::pair{370, 210}, {310, 150}, {310, 170}, {470, 170}})
    EXPECT_EQ(w.point_color(x, y), kArrowWhite) << x << "," << y;
  EXPECT_EQ(w.point_color(395, 205), kBlack);
  // Trays: a used piece leaves its slot empty; 4 x 4 pixels per square.
  EXPECT_EQ(count_in_slot(1, 0), 16);
  EXPECT_EQ(count_in_slot(1, 9), 0);
  EXPECT_EQ(count_in_slot(2, 12), 0);
  EXPECT_EQ(count_in_slot(2, 13), 5 * 16);
  EXPECT_EQ(w.point_color(15, tray_bottom(1)), kTrayRed);
}

// Catches any pixel of the ground, board or trays that moves or changes
// colour: the whole frame (the status line aside, as it depends on the
// system's font) against the one recorded.
TEST_F(Rendering, FrameOfAPositionIsAsRecorded) {
  draw_position();
  uint64_t hash = 1469598103934665603u;  // FNV-1a over the pixels
  for (int y = 0; y < w.height(); ++y)
    for (int x = 0; x < w.width(); ++x) hash = (hash ^ w.point_color(x, y)) * 1099511628211u;
  EXPECT_EQ(hash, 0x52d1cae8742f1a41u) << std::hex << hash;
}

// Catches a status line that leaves old text behind or erases around it.
TEST_F(Rendering, StatusLineErasesExactlyItsOwnBox) {
  w.set_color(kArrowWhite);
  w.fill_rect(300, 440, 200, 60);
  const TextSize size = w.text_size("Turn-P2 / P1:12 P2: 0 ( 3)");
  draw_score(w, 12, 0, 3, 2);
  const int x1 = 310 + size.width - 1, y1 = 450 + size.height - 1;
  const int green = count(310, 450, x1, y1, kStatusGreen);
  EXPECT_GT(green, 100);
  EXPECT_EQ(count(310, 450, x1, y1, kBlack) + green, size.width * size.height);
  EXPECT_EQ(count(300, 440, 499, 499, kArrowWhite), 200 * 60 - size.width * size.height);
}

}  // namespace
}  // namespace trevosk::testing
