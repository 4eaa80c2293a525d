// Mouse move entry: a human seat in the window picks a piece from its tray,
// mirrors and turns it with the four controls, moves it over the board,
// where it follows the pointer on the board grid, and presses the button to
// drop it. A drop that passes the placement tests ends the turn; any other
// drop is ignored. A key press ends the program (EndProgram, status 0).
//
// Two choices of ours:
// - A tray press that maps to no slot (possible only in a window taller than
//   the tray rows reach, below player 2's tray) selects nothing.
// - The control panel's piece area is cleared from x = 362, the left edge of
//   the picture's first column, so that no square of an earlier piece stays.
#pragma once

#include "game/display.h"
#include "game/game_state.h"
#include "gui/window.h"

namespace trevosk {

// One call of the mouse entry: the state of one turn of a human seat.
class UserTurn {
 public:
  UserTurn(Window& w, GameState& game, int player, int turn, MoveLog& log);

  // The event loop: returns once a drop has been accepted and applied.
  void run();

  // Remembers (x0, y0) as the dragged picture's place, saves the window
  // under it, then draws the selected piece there.
  void draw_piece_sub(int x0, int y0);
  // Pointer motion: moves the dragged picture to the grid cell under (x, y).
  void draw_piece(int x, int y);
  // The selected piece in the control panel.
  void draw_ctrl_piece();
  // A press in the control panel, in panel coordinates.
  void get_ctrl(int cx, int cy);
  // A press in the player's tray, in tray coordinates.
  void get_piece(int tx, int ty);
  // A press on the board band (y relative to the band); false once the
  // piece is placed, true when the drop is refused.
  bool set_field(int x, int y);

  int sel_piece() const { return sel_piece_; }
  int sel_rot() const { return sel_rot_; }
  int drag_x() const { return drag_x_; }
  int drag_y() const { return drag_y_; }

 private:
  // Puts back what the dragged picture covers.
  void erase_drag() { w_.draw_image(under_image_, drag_x_, drag_y_); }
  void fill_picture(int x0, int y0);

  Window& w_;
  GameState& game_;
  int player_;
  int turn_;
  MoveLog& log_;
  int drag_x_ = 0;
  int drag_y_ = 0;
  int sel_piece_ = -1;  // -1: nothing selected
  int sel_rot_ = 0;     // kept when another piece is selected
  Image under_image_;
};

// One turn of a human seat in the window, with the placement logged.
void play_user(Window& w, GameState& game, int player, int turn, MoveLog& log);

// The human mover of the graphics mode.
class MouseEntry : public HumanMover {
 public:
  MouseEntry(Window& w, MoveLog& log) : w_(w), log_(log) {}
  void play(GameState& game, int player, int turn) override;

 private:
  Window& w_;
  MoveLog& log_;
};

}  // namespace trevosk
