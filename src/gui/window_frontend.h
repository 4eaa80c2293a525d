// The graphics front end: the window, its display of the position, the mouse
// mover and the move log, as the game loop sees them.
#pragma once

#include <memory>
#include <ostream>

#include "game/console_display.h"
#include "game/program.h"
#include "gui/mouse_entry.h"
#include "gui/window.h"

namespace trevosk {

// Shows the position in a window and waits for a key when the game is over;
// pass lines are not shown. Moves are logged once each, to out.
class WindowFrontend : public Frontend, private Display {
 public:
  // Draws on a window owned by the caller.
  WindowFrontend(Window& w, std::ostream& out);
  // Draws on a window it owns.
  WindowFrontend(std::unique_ptr<Window> w, std::ostream& out);

  Display& display() override { return *this; }
  HumanMover& human() override { return entry_; }
  MoveLog& log() override { return log_; }
  void draw_background() override;

 private:
  void draw_board(const Board& field) override;
  void draw_pieces(const PiecesLeft& left, int player) override;
  // The last drawing of a redraw: the frame is shown at once, since a
  // computer player may think for a while next.
  void draw_score(int score1, int score2, int turn, int player) override;
  void show_pass(int) override {}
  void finish() override;

  std::unique_ptr<Window> owned_;
  Window& w_;
  ConsoleMoveLog log_;
  MouseEntry entry_;
};

// Opens a width x height window; throws WindowError when none can be opened.
std::unique_ptr<Frontend> open_window_frontend(int width, int height, std::ostream& out);

}  // namespace trevosk
