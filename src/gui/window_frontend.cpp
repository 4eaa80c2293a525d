#include "gui/window_frontend.h"

#include "game/console_display.h"
#include "game/game_loop.h"
#include "gui/render.h"
#include "gui/sdl_window.h"

namespace trevosk {

WindowFrontend::WindowFrontend(Window& w, std::ostream& out) : w_(w), out_(out), seat_(w) {}

WindowFrontend::WindowFrontend(std::unique_ptr<Window> w, std::ostream& out)
    : owned_(std::move(w)), w_(*owned_), out_(out), seat_(w_) {}

void WindowFrontend::draw_background() { draw_ground(w_); }

void WindowFrontend::redraw(const Game& game, int turn, int player) {
  draw(w_, game.board());
  draw_pieces(w_, game.pieces_left(1), 1);
  draw_pieces(w_, game.pieces_left(2), 2);
  draw_score(w_, game.score(1), game.score(2), turn, player);
  w_.show();
}

void WindowFrontend::notify(const Game& game, const GameEvent& e) {
  switch (e.kind) {
    case GameEvent::Kind::HalfTurn:
      redraw(game, e.turn, e.player);
      break;
    case GameEvent::Kind::Placed:
      out_ << move_line(e.player, e.move) << std::flush;
      break;
    case GameEvent::Kind::Passed:
    case GameEvent::Kind::Blocked:
      break;
    case GameEvent::Kind::GameOver:
      redraw(game, 99, 2);
      out_ << result_line(game.score(1), game.score(2)) << std::flush;
      break;
  }
}

void WindowFrontend::wait_for_key() {
  w_.show();
  w_.read_key();
}

OpenedFrontend open_window_frontend(int width, int height, std::ostream& out) {
  OpenedFrontend opened;
  std::unique_ptr<SdlWindow> w = SdlWindow::open(width, height, "Kalvon Trevosk", opened.error);
  if (w) opened.frontend = std::make_unique<WindowFrontend>(std::move(w), out);
  return opened;
}

}  // namespace trevosk
