// Layout: where everything is in the window, both ways. From a board square,
// a tray slot or a control to pixels (for drawing, and for tests and scripts
// that click on them), and from a pointer position to what it falls on (for
// the mouse entry).
//
// Window coordinates: pixels, origin at the lower-left corner, y upward.
// Board squares are numbered as in moves: column c and row r 0..13, row 0 at
// the top. Player 1's tray is at the bottom, the board above it, player 2's
// tray at the top; the control panel is at the right with the status line
// above it.
//
// Plain constant arithmetic without any platform type, so that the drawing,
// the mouse entry, the tests and the layout tool (tools/trevosk_layout.cpp)
// share one copy of the numbers.
#pragma once

#include <cstdint>
#include <optional>

namespace trevosk {

struct Point {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(const Point&, const Point&) = default;
};

// A rectangle by its lower-left pixel and its extent.
struct Rect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
};

constexpr int kWindowSide = 500;

// Division rounding toward minus infinity.
constexpr int floor_div(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// ---- The board -------------------------------------------------------------

constexpr int kCellPitch = 18;   // distance between neighbouring grid cells
constexpr int kCellSize = 16;    // side of a board square
constexpr int kCellGap = 1;      // offset of a square inside its grid cell
constexpr int kStartRadius = 8;  // ring marking a free start square
constexpr int kBoardX0 = 0;      // origin of the grid
constexpr int kBoardY0 = 108;
constexpr int kBoardBandTop = kBoardY0 + 15 * kCellPitch;  // 378
constexpr Rect kBoardFrame{16, 124, 255, 255};

// Lower-left corner of grid cell (i, j), i and j 1..14: board column c is
// grid column c + 1 and board row r grid row r + 1.
constexpr int mx(int i) { return kBoardX0 + kCellPitch * i; }
constexpr int my(int j) { return kBoardY0 + kCellPitch * (15 - j); }

// The lower-left pixel of board square (c, r).
constexpr Point square_origin(int c, int r) { return {mx(c + 1) + kCellGap, my(r + 1) + kCellGap}; }
// A pixel in the middle of board square (c, r); a press there drops on it.
constexpr Point square_point(int c, int r) {
  const Point o = square_origin(c, r);
  return {o.x + 7, o.y + 7};
}
// The centre of the ring on a start square.
constexpr Point ring_centre(int c, int r) {
  const Point o = square_origin(c, r);
  return {o.x + 8, o.y + 8};
}

// Whether a press at height y (left of the panel) is a drop on the board.
constexpr bool in_board_band(int y) { return kBoardY0 < y && y < kBoardBandTop; }

// The board square a press at (x, y) drops the dragged piece on: the grid
// cell under the pointer. Presses far outside the board give none; column
// and row 14 (one past the board) still count as squares, which the
// placement test then refuses.
struct Square {
  int x = 0;  // column, as in Move
  int y = 0;  // row
  friend constexpr bool operator==(const Square&, const Square&) = default;
};
constexpr std::optional<Square> drop_square(int x, int y) {
  const int c = floor_div(x - kBoardX0 - 1, kCellPitch) - 1;
  const int r = 14 - floor_div(y - kBoardY0 - 1, kCellPitch);
  if (c < 0 || c > 14 || r < 0 || r > 14) return std::nullopt;
  return Square{c, r};
}

// ---- The trays -------------------------------------------------------------

// Each tray is 252 x 108 from x = 15: seven slots of 36 x 36 across, three
// up, slot i in column i % 7 and row i / 7 (row 0 at the top). A piece is
// drawn small in its slot: 4 x 4 squares 6 apart.
constexpr int kTrayX0 = 15;
constexpr int kSlotSide = 36;
constexpr int kTraySquare = 4;
constexpr int kTrayPitch = 6;
constexpr int tray_bottom(int player) { return player == 1 ? 5 : 390; }
constexpr Rect tray_rect(int player) { return {kTrayX0, tray_bottom(player), 7 * 36, 3 * 36}; }

// Lower-left pixel of square (a, b) of slot i's 5 x 5 picture, row a from
// the top.
constexpr Point tray_square_origin(int player, int i, int a, int b) {
  return {kTrayX0 + kSlotSide * (i % 7) + kTrayPitch * b,
          tray_bottom(player) + 102 - kSlotSide * (i / 7) - kTrayPitch * a};
}
// The middle of slot i in player p's tray; a press there picks piece i.
constexpr Point slot_point(int player, int i) {
  return {kTrayX0 + kSlotSide * (i % 7) + 18, tray_bottom(player) + 90 - kSlotSide * (i / 7)};
}

// Whether a press at height y falls in player p's tray band: below the
// board for player 1, above it for player 2 (the x is not looked at).
constexpr bool in_tray_band(int player, int y) {
  return player == 1 ? y <= kBoardY0 : y >= kBoardBandTop;
}
// The slot a press at (x, y) in player p's band picks, or -1. Slot columns
// count 36 pixels from x = 0, not from the tray's edge, and rows up from
// 108 pixels above the band's lower edge, both dividing toward zero; a
// press right of the seventh column falls on the first slots of the next
// row.
constexpr int tray_slot(int player, int x, int y) {
  const int ty = player == 1 ? y : y - kBoardBandTop;
  const int c = x / kSlotSide;
  const int q = (ty - 108) / kSlotSide;
  const int slot = (c - 7 * q) % 21;
  return slot < 0 ? -1 : slot;
}

// ---- The control panel -----------------------------------------------------

constexpr Rect kPanel{290, 90, 200, 150};

enum class Control : uint8_t { None, MirrorLeftRight, MirrorTopBottom, TurnLeft, TurnRight };

// Where each control's arrow is drawn from.
constexpr Point arrow_anchor(Control c) {
  switch (c) {
    case Control::MirrorLeftRight:
      return {380, 200};
    case Control::MirrorTopBottom:
      return {300, 120};
    case Control::TurnLeft:
      return {300, 180};
    case Control::TurnRight:
      return {460, 180};
    case Control::None:
      break;
  }
  return {};
}

// A control's press area in panel coordinates, strict bounds on all sides.
// Every press right of the panel's left edge is a press in the panel, so a
// lower bound of 0 stands for none.
struct ControlArea {
  Control control;
  int x_lo, x_hi, y_lo, y_hi;
};
inline constexpr ControlArea kControlAreas[] = {
    {Control::MirrorLeftRight, 70, 140, 90, 140},
    {Control::MirrorTopBottom, 0, 40, 10, 72},
    {Control::TurnLeft, 0, 70, 72, 140},
    {Control::TurnRight, 140, 190, 72, 140},
};

// Whether a press at x goes to the control panel: any press right of its
// left edge, at any height.
constexpr bool in_panel_band(int x) { return x > kPanel.x; }

// The control a press at (x, y) in the panel band hits, the areas tested in
// the order above; None between them.
constexpr Control control_at(int x, int y) {
  const int cx = x - kPanel.x, cy = y - kPanel.y;
  if (cx <= 0) return Control::None;
  for (const ControlArea& a : kControlAreas)
    if (a.x_lo < cx && cx < a.x_hi && a.y_lo < cy && cy < a.y_hi) return a.control;
  return Control::None;
}

// The middle of a control's press area.
constexpr Point control_point(Control c) {
  for (const ControlArea& a : kControlAreas)
    if (a.control == c) return {kPanel.x + (a.x_lo + a.x_hi) / 2, kPanel.y + (a.y_lo + a.y_hi) / 2};
  return {};
}

// ---- Pieces drawn at board scale -------------------------------------------

// A 5 x 5 picture drawn at board scale from origin (x0, y0): square (a, b),
// row a from the top, is kCellSize wide at (x0 + 18 b, y0 + 90 - 18 a).
constexpr Point big_square_origin(Point origin, int a, int b) {
  return {origin.x + kCellPitch * b, origin.y + 90 - kCellPitch * a};
}
// The area saved under the dragged picture: kDragSide square from its origin.
constexpr int kDragSide = 108;
// The dragged picture's origin for the pointer at (x, y): its reference
// square (row 2, column 2) lands on the grid cell holding the pointer
// (dividing toward zero, so the cells left of and below x, y = 1 are wider).
constexpr Point drag_origin(int x, int y) {
  return {kCellPitch * ((x - 1) / kCellPitch) - 35, kCellPitch * ((y - 1) / kCellPitch) - 53};
}
// The selected piece in the control panel: the area cleared before it is
// drawn (from the picture's first column, x = 362) and the picture's origin.
constexpr Rect kPanelPieceArea{362, 91, 98, 90};
constexpr Point kPanelPieceOrigin{362, 73};

// ---- The status line -------------------------------------------------------

constexpr Point kStatusPoint{310, 450};

}  // namespace trevosk
