#include "gui/mouse_entry.h"

#include "gui/render.h"
#include "rules/pieces.h"

namespace trevosk {

namespace {

constexpr int kDragSide = 108;   // the saved area under the dragged picture
constexpr int kDragSquare = 16;  // one square of the dragged picture
constexpr int kDragPitch = 18;   // the board's grid

// Division rounding toward minus infinity.
constexpr int floor_div(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

UserTurn::UserTurn(Window& w, const Game& game)
    : w_(w),
      game_(game),
      player_(game.to_move()),
      under_image_(w.create_image(kDragSide, kDragSide)) {}

void UserTurn::fill_picture(int x0, int y0) {
  const Picture& pic = piece_tables().piece_pic[sel_piece_][sel_rot_];
  w_.set_color(player_color[player_ - 1]);
  for (int a = 0; a < 5; ++a)
    for (int b = 0; b < 5; ++b)
      if (pic[a][b] == '*')
        w_.fill_rect(x0 + kDragPitch * b, y0 + 90 - kDragPitch * a, kDragSquare, kDragSquare);
}

void UserTurn::draw_piece_sub(int x0, int y0) {
  drag_x_ = x0;
  drag_y_ = y0;
  w_.save_image(under_image_, x0, y0);
  fill_picture(x0, y0);
}

// The offsets put the picture's reference square (row 2, column 2) on the
// grid cell that holds the pointer.
void UserTurn::draw_piece(int x, int y) {
  if (sel_piece_ == -1) return;
  erase_drag();
  draw_piece_sub(kDragPitch * ((x - 1) / kDragPitch) - 35,
                 kDragPitch * ((y - 1) / kDragPitch) - 53);
}

void UserTurn::draw_ctrl_piece() {
  w_.set_color(kBlack);
  w_.fill_rect(362, 91, 98, 90);
  fill_picture(362, 73);
}

// The four controls, tested in this order with strict bounds. Each changes
// the orientation index as listed, whatever the picture seems to do: xor 1
// and xor 5 are the left-right and top-bottom mirrors; adding 2 turns an
// even orientation a quarter clockwise but an odd one counterclockwise.
void UserTurn::get_ctrl(int cx, int cy) {
  if (sel_piece_ == -1) return;
  erase_drag();
  if (70 < cx && cx < 140 && 90 < cy && cy < 140) {
    sel_rot_ ^= 1;
  } else if (cx < 40 && 10 < cy && cy < 72) {
    sel_rot_ ^= 5;
  } else if (cx < 70 && 72 < cy && cy < 140) {
    sel_rot_ = (sel_rot_ + 6) % 8;
  } else if (140 < cx && cx < 190 && 72 < cy && cy < 140) {
    sel_rot_ = (sel_rot_ + 2) % 8;
  }
  draw_ctrl_piece();
  draw_piece_sub(drag_x_, drag_y_);
}

// Slots run seven across and three up, row 0 at the top; a press right of
// the seventh column falls on the first slots of the next row.
void UserTurn::get_piece(int tx, int ty) {
  const int c = tx / 36;
  const int q = (ty - 108) / 36;
  const int slot = (c - 7 * q) % 21;
  if (slot < 0 || !game_.pieces_left(player_)[slot]) return;
  if (sel_piece_ != -1) erase_drag();
  sel_piece_ = slot;
  draw_piece_sub(drag_x_, drag_y_);
  draw_ctrl_piece();
}

// 1. Nothing selected: refused.
// 2. The board cell under the pointer; far outside the board: refused.
// 3. The dragged picture is erased from here on, refused or not.
// 4. The placement tests: a drop that passes them is the move.
Move UserTurn::set_field(int x, int y) {
  if (sel_piece_ == -1) return Move::none();
  const int bx = floor_div(x - 1, kDragPitch) - 1;
  const int by = 14 - floor_div(y - 1, kDragPitch);
  if (bx < 0 || bx > 14 || by < 0 || by > 14) return Move::none();
  erase_drag();
  const Move m = make_move(bx, by, sel_piece_, sel_rot_);
  return game_.is_legal(m) ? m : Move::none();
}

// Waits for input until a drop is accepted. A motion with the button held
// counts as a press, so dragging across the board places the piece at the
// first cell where it fits.
Move UserTurn::run() {
  for (;;) {
    const WindowEvent e = w_.wait_event();
    if (e.kind != WindowEvent::Kind::Pointer) return Move::none();
    if (!e.button) {
      draw_piece(e.x, e.y);
    } else if (e.x > ctrl_x0) {
      get_ctrl(e.x - ctrl_x0, e.y - ctrl_y0);
    } else if (board_y0 < e.y && e.y < 378) {
      if (const Move m = set_field(e.x, e.y - board_y0); !m.is_none()) return m;
    } else if (player_ == 1 && e.y <= 108) {
      get_piece(e.x, e.y);
    } else if (player_ == 2 && e.y >= 378) {
      get_piece(e.x, e.y - 378);
    }
  }
}

}  // namespace trevosk
