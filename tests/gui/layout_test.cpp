// The window's geometry both ways, without a window.
#include "gui/layout.h"

#include <gtest/gtest.h>

namespace trevosk::testing {
namespace {

// Catches a target whose point, pressed, lands on something else: every
// square, slot and control is found again from its own point.
TEST(Layout, EveryTargetPointPressesThatTarget) {
  for (int c = 0; c < 14; ++c) {
    for (int r = 0; r < 14; ++r) {
      const Point p = square_point(c, r);
      EXPECT_TRUE(!in_panel_band(p.x) && in_board_band(p.y)) << c << "," << r;
      EXPECT_EQ(drop_square(p.x, p.y), (Square{c, r}));
    }
  }
  for (int player = 1; player <= 2; ++player) {
    for (int i = 0; i < 21; ++i) {
      const Point p = slot_point(player, i);
      EXPECT_TRUE(!in_panel_band(p.x) && !in_board_band(p.y) && in_tray_band(player, p.y) &&
                  !in_tray_band(3 - player, p.y));
      EXPECT_EQ(tray_slot(player, p.x, p.y), i) << player;
    }
  }
  for (Control c : {Control::MirrorLeftRight, Control::MirrorTopBottom, Control::TurnLeft,
                    Control::TurnRight}) {
    const Point p = control_point(c);
    EXPECT_TRUE(in_panel_band(p.x) && control_at(p.x, p.y) == c) << p.x << "," << p.y;
  }
}

// Catches a change to how presses map near the edges: slot columns counted
// from x = 0 and wrapping into the next row, the bottom pixel row picking the
// top slots, no slot beyond the rows, drops one column past the board still
// tried, and strict bounds between the controls.
TEST(Layout, PressesAtTheEdgesMapAsTheyAlwaysDid) {
  EXPECT_EQ(tray_slot(1, 5, 95), 0);           // left of the tray
  EXPECT_EQ(tray_slot(1, 36 * 7 + 5, 95), 7);  // right of the seventh column
  EXPECT_EQ(tray_slot(2, 36 * 8 + 1, 438), 8 + 7);
  EXPECT_EQ(tray_slot(1, 40, 0), 1);
  EXPECT_EQ(tray_slot(2, 33, 378 + 154), -1);
  EXPECT_EQ(drop_square(19, 368), (Square{0, 0}));
  EXPECT_EQ(drop_square(18, 368), std::nullopt);
  EXPECT_EQ(drop_square(288, 127), (Square{14, 13}));
  EXPECT_EQ(drop_square(289, 368), std::nullopt);
  EXPECT_EQ(drop_square(100, 109), (Square{4, 14}));
  EXPECT_EQ(control_at(kPanel.x + 140, kPanel.y + 100), Control::None);
  EXPECT_EQ(control_at(kPanel.x + 60, kPanel.y + 72), Control::None);
  EXPECT_EQ(control_at(kPanel.x + 1, kPanel.y + 71), Control::MirrorTopBottom);
  EXPECT_TRUE(in_board_band(109) && !in_board_band(108) && !in_board_band(378));
  EXPECT_TRUE(in_tray_band(1, 108) && in_tray_band(2, 378));
}

}  // namespace
}  // namespace trevosk::testing
