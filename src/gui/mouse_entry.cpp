#include "gui/mouse_entry.h"

#include "gui/render.h"
#include "rules/pieces.h"

namespace trevosk {

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
      if (pic[a][b] == '*') {
        const Point o = big_square_origin({x0, y0}, a, b);
        w_.fill_rect(o.x, o.y, kCellSize, kCellSize);
      }
}

void UserTurn::draw_piece_sub(int x0, int y0) {
  drag_x_ = x0;
  drag_y_ = y0;
  w_.save_image(under_image_, x0, y0);
  fill_picture(x0, y0);
}

void UserTurn::draw_piece(int x, int y) {
  if (sel_piece_ == -1) return;
  erase_drag();
  const Point o = drag_origin(x, y);
  draw_piece_sub(o.x, o.y);
}

void UserTurn::draw_ctrl_piece() {
  w_.set_color(kBlack);
  w_.fill_rect(kPanelPieceArea.x, kPanelPieceArea.y, kPanelPieceArea.w, kPanelPieceArea.h);
  fill_picture(kPanelPieceOrigin.x, kPanelPieceOrigin.y);
}

// Each control changes the orientation index as listed, whatever the
// picture seems to do: xor 1 and xor 5 are the left-right and top-bottom
// mirrors; adding 2 turns an even orientation a quarter clockwise but an odd
// one counterclockwise. A press between the controls redraws the same piece.
void UserTurn::get_ctrl(Control c) {
  if (sel_piece_ == -1) return;
  erase_drag();
  switch (c) {
    case Control::MirrorLeftRight:
      sel_rot_ ^= 1;
      break;
    case Control::MirrorTopBottom:
      sel_rot_ ^= 5;
      break;
    case Control::TurnLeft:
      sel_rot_ = (sel_rot_ + 6) % 8;
      break;
    case Control::TurnRight:
      sel_rot_ = (sel_rot_ + 2) % 8;
      break;
    case Control::None:
      break;
  }
  draw_ctrl_piece();
  draw_piece_sub(drag_x_, drag_y_);
}

void UserTurn::get_piece(int slot) {
  if (slot < 0 || !game_.pieces_left(player_)[slot]) return;
  if (sel_piece_ != -1) erase_drag();
  sel_piece_ = slot;
  draw_piece_sub(drag_x_, drag_y_);
  draw_ctrl_piece();
}

// 1. Nothing selected: refused.
// 2. The board square under the pointer; far outside the board: refused.
// 3. The dragged picture is erased from here on, refused or not.
// 4. The placement tests: a drop that passes them is the move.
Move UserTurn::set_field(int x, int y) {
  if (sel_piece_ == -1) return Move::none();
  const std::optional<Square> at = drop_square(x, y);
  if (!at) return Move::none();
  erase_drag();
  const Move m = make_move(at->x, at->y, sel_piece_, sel_rot_);
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
    } else if (in_panel_band(e.x)) {
      get_ctrl(control_at(e.x, e.y));
    } else if (in_board_band(e.y)) {
      if (const Move m = set_field(e.x, e.y); !m.is_none()) return m;
    } else if (in_tray_band(player_, e.y)) {
      get_piece(tray_slot(player_, e.x, e.y));
    }
  }
}

}  // namespace trevosk
