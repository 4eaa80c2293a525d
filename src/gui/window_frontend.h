// The graphics front end: the window, its drawing of the game's events, the
// mouse seat, and the user's ways of ending the program.
#pragma once

#include <memory>
#include <ostream>

#include "game/frontend.h"
#include "gui/mouse_entry.h"
#include "gui/window.h"

namespace trevosk {

// Before every half-turn redraws the board, both trays and the status line;
// logs every move once to out (no pass lines); at the end draws the final
// position and writes the result line.
class WindowFrontend : public Frontend, private GameObserver {
 public:
  // Draws on a window owned by the caller.
  WindowFrontend(Window& w, std::ostream& out);
  // Draws on a window it owns.
  WindowFrontend(std::unique_ptr<Window> w, std::ostream& out);

  void draw_background() override;
  GameObserver& observer() override { return *this; }
  Seat& mouse_seat() override { return seat_; }
  bool quit_requested() override { return w_.closed(); }
  // The final position stays on screen (repainted when the system asks)
  // until a key is pressed; mouse clicks do not end the wait.
  void wait_for_key() override;

 private:
  void notify(const Game& game, const GameEvent& e) override;
  // The board, both trays and the status line, then the frame is shown at
  // once, since a computer player may think for a while next.
  void redraw(const Game& game, int turn, int player);

  std::unique_ptr<Window> owned_;
  Window& w_;
  std::ostream& out_;
  MouseSeat seat_;
};

// Opens a width x height window, or says why none can be opened.
OpenedFrontend open_window_frontend(int width, int height, std::ostream& out);

}  // namespace trevosk
