// Mouse move entry: a human seat in the window picks a piece from its tray,
// mirrors and turns it with the four controls, moves it over the board,
// where it follows the pointer on the board grid, and presses the button to
// drop it. A drop that passes the placement tests ends the turn; any other
// drop is ignored. A key press, or closing the window, ends the turn without
// a move: the program ends.
//
// Two choices of ours:
// - A tray press that maps to no slot (possible only in a window taller than
//   the tray rows reach, below player 2's tray) selects nothing.
// - The control panel's piece area is cleared from x = 362, the left edge of
//   the picture's first column, so that no square of an earlier piece stays.
#pragma once

#include "game/seat.h"
#include "gui/layout.h"
#include "gui/window.h"

namespace trevosk {

// One call of the mouse entry: the state of one turn of a human seat.
class UserTurn {
 public:
  UserTurn(Window& w, const Game& game);

  // The event loop: returns the move of the first accepted drop, or
  // Move::none() once a key is pressed or the window closed.
  Move run();

  // Remembers (x0, y0) as the dragged picture's place, saves the window
  // under it, then draws the selected piece there.
  void draw_piece_sub(int x0, int y0);
  // Pointer motion: moves the dragged picture to the grid cell under (x, y).
  void draw_piece(int x, int y);
  // The selected piece in the control panel.
  void draw_ctrl_piece();
  // A press in the control panel on control c (None between the controls).
  void get_ctrl(Control c);
  // A press in the player's tray on the given slot (-1: none).
  void get_piece(int slot);
  // A press on the board band at (x, y): the move dropped there when the
  // game accepts it, Move::none() when the drop is refused.
  Move set_field(int x, int y);

  int sel_piece() const { return sel_piece_; }
  int sel_rot() const { return sel_rot_; }
  int drag_x() const { return drag_x_; }
  int drag_y() const { return drag_y_; }

 private:
  // Puts back what the dragged picture covers.
  void erase_drag() { w_.draw_image(under_image_, drag_x_, drag_y_); }
  void fill_picture(int x0, int y0);

  Window& w_;
  const Game& game_;
  int player_;
  int drag_x_ = 0;
  int drag_y_ = 0;
  int sel_piece_ = -1;  // -1: nothing selected
  int sel_rot_ = 0;     // kept when another piece is selected
  Image under_image_;
};

// The human seat of the graphics mode.
class MouseSeat : public Seat {
 public:
  explicit MouseSeat(Window& w) : w_(w) {}
  Move choose(const Game& game) override { return UserTurn(w_, game).run(); }

 private:
  Window& w_;
};

}  // namespace trevosk
