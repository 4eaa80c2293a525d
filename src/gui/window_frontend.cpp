#include "gui/window_frontend.h"

#include "gui/render.h"
#include "gui/sdl_window.h"

namespace trevosk {

WindowFrontend::WindowFrontend(Window& w, std::ostream& out)
    : w_(w), log_(out, 1), entry_(w, log_) {}

WindowFrontend::WindowFrontend(std::unique_ptr<Window> w, std::ostream& out)
    : owned_(std::move(w)), w_(*owned_), log_(out, 1), entry_(w_, log_) {}

void WindowFrontend::draw_background() { draw_ground(w_); }

void WindowFrontend::draw_board(const Board& field) { draw(w_, field); }

void WindowFrontend::draw_pieces(const PiecesLeft& left, int player) {
  trevosk::draw_pieces(w_, left, player);
}

void WindowFrontend::draw_score(int score1, int score2, int turn, int player) {
  trevosk::draw_score(w_, score1, score2, turn, player);
  w_.show();
}

// The final position stays on screen (repainted when the system asks) until
// a key is pressed; mouse clicks do not end the wait.
void WindowFrontend::finish() {
  w_.show();
  w_.read_key();
}

std::unique_ptr<Frontend> open_window_frontend(int width, int height, std::ostream& out) {
  return std::make_unique<WindowFrontend>(
      std::make_unique<SdlWindow>(width, height, "Kalvon Trevosk"), out);
}

}  // namespace trevosk
