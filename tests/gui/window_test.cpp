// The window's drawing operations, read back from the frame buffer.
#include <cmath>
#include <string>

#include "gui_test_support.h"

namespace trevosk::testing {
namespace {

constexpr Color kInk = 0xABCDEF;

using WindowDrawing = WindowTest;

TEST_F(WindowDrawing, FillsAndOutlinesCoverExactlyTheirPixels) {
  w.set_color(kInk);
  w.fill_rect(10, 20, 3, 2);  // x 10..12, y 20..21
  EXPECT_EQ(w.point_color(10, 20), kInk);
  EXPECT_EQ(w.point_color(12, 21), kInk);
  EXPECT_EQ(w.point_color(13, 20), 0u);
  EXPECT_EQ(w.point_color(10, 22), 0u);
  EXPECT_EQ(w.point_color(9, 20), 0u);
  EXPECT_EQ(w.point_color(10, 19), 0u);

  // The outline runs through both corners, so it is one pixel wider and
  // taller than the same fill.
  w.draw_rect(30, 40, 5, 4);
  for (auto [x, y] : {std::pair{30, 40}, {35, 40}, {35, 44}, {30, 44}, {32, 40}, {35, 42}})
    EXPECT_EQ(w.point_color(x, y), kInk) << x << "," << y;
  EXPECT_EQ(w.point_color(31, 41), 0u);
  EXPECT_EQ(w.point_color(36, 40), 0u);
  EXPECT_EQ(w.point_color(30, 45), 0u);

  // Fills past the edges are clipped.
  w.fill_rect(-10, 495, 20, 20);
  EXPECT_EQ(w.point_color(0, 499), kInk);
  EXPECT_EQ(w.point_color(9, 495), kInk);
  EXPECT_EQ(w.point_color(10, 499), 0u);
}

TEST_F(WindowDrawing, RelativeLinesIncludeBothEndsAndMoveThePen) {
  w.set_color(kInk);
  w.moveto(100, 100);
  w.rlineto(10, -10);
  EXPECT_EQ(w.current_x(), 110);
  EXPECT_EQ(w.current_y(), 90);
  for (int i = 0; i <= 10; ++i) EXPECT_EQ(w.point_color(100 + i, 100 - i), kInk) << i;
  EXPECT_EQ(w.point_color(101, 100), 0u);
  w.rmoveto(5, 0);
  w.rlineto(0, 3);
  EXPECT_EQ(w.point_color(115, 90), kInk);
  EXPECT_EQ(w.point_color(115, 93), kInk);
  EXPECT_EQ(w.point_color(110, 91), 0u);
}

TEST_F(WindowDrawing, ArcsKeepOnlyTheirAngles) {
  w.set_color(kInk);
  w.draw_arc(350, 170, 40, 40, 90, 180);
  EXPECT_EQ(w.point_color(350, 210), kInk);  // 90 degrees
  EXPECT_EQ(w.point_color(310, 170), kInk);  // 180 degrees
  EXPECT_EQ(w.point_color(390, 170), 0u);
  EXPECT_EQ(w.point_color(350, 130), 0u);
  int drawn = 0;
  for (int y = 100; y < 240; ++y) {
    for (int x = 280; x < 420; ++x) {
      if (w.point_color(x, y) != kInk) continue;
      ++drawn;
      EXPECT_TRUE(x <= 350 && y >= 170) << x << "," << y;
      EXPECT_NEAR(std::hypot(x - 350, y - 170), 40.0, 0.75) << x << "," << y;
    }
  }
  EXPECT_GT(drawn, 40);  // a connected quarter circle has more than r points

  // 0 to 360 is the whole ellipse, symmetric about its centre.
  w.draw_arc(100, 300, 8, 5, 0, 360);
  for (int dy = -6; dy <= 6; ++dy)
    for (int dx = -9; dx <= 9; ++dx)
      EXPECT_EQ(w.point_color(100 + dx, 300 + dy), w.point_color(100 - dx, 300 - dy));
  EXPECT_EQ(w.point_color(108, 300), kInk);
  EXPECT_EQ(w.point_color(100, 305), kInk);
  EXPECT_EQ(w.point_color(100, 300), 0u);
}

TEST_F(WindowDrawing, ImagesSaveAndPaintPastTheEdges) {
  w.set_color(kInk);
  w.fill_rect(0, 0, 4, 4);
  Image img = w.create_image(8, 8);
  w.save_image(img, -4, -4);  // the lower-left quarter lies outside
  w.set_color(0x111111);
  w.fill_rect(0, 0, 20, 20);
  w.draw_image(img, 10, 10);
  EXPECT_EQ(w.point_color(14, 14), kInk);
  EXPECT_EQ(w.point_color(17, 17), kInk);
  EXPECT_EQ(w.point_color(13, 13), 0u);  // read from outside: black
  EXPECT_EQ(w.point_color(18, 18), 0x111111u);
  // Painting past the edges is clipped; what is inside lands in place.
  w.draw_image(img, 496, 496);
  EXPECT_EQ(w.point_color(499, 499), 0u);
  w.draw_image(img, -4, -4);
  EXPECT_EQ(w.point_color(0, 0), kInk);
  EXPECT_EQ(w.point_color(3, 3), kInk);
}

TEST_F(WindowDrawing, TextHasAFixedPitchAndMovesThePen) {
  const TextSize a = w.text_size("Turn-P1 / P1: 0 P2: 0 ( 1)");
  const TextSize b = w.text_size("Turn-P2 / P1:88 P2:89 (99)");
  EXPECT_GT(a.width, 0);
  EXPECT_GT(a.height, 0);
  EXPECT_EQ(a.width, b.width);
  EXPECT_EQ(a.height, b.height);
  EXPECT_EQ(w.text_size("MMMM").width, 2 * w.text_size("ii").width);

  w.set_color(kInk);
  w.moveto(20, 30);
  w.draw_string("");
  EXPECT_EQ(w.current_x(), 20);
  w.draw_string("Hi");
  EXPECT_EQ(w.current_x(), 20 + w.text_size("Hi").width);
  int inked = 0;
  for (int y = 20; y < 60; ++y)
    for (int x = 10; x < 60; ++x)
      if (w.point_color(x, y) == kInk) {
        ++inked;
        EXPECT_GE(y, 30);
        EXPECT_GE(x, 20);
      }
  EXPECT_GT(inked, 10);
}

}  // namespace
}  // namespace trevosk::testing
