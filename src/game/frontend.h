// Frontend: what the window mode of the program needs from a window, and
// how the program asks for one. A window that cannot be opened is a value
// (the reason), never an exception across the layers.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "game/game_events.h"
#include "game/seat.h"

namespace trevosk {

// The static background, an observer that draws the position and logs each
// move once, the mouse seat of a human player, and the two ways the user
// ends the program.
class Frontend {
 public:
  virtual ~Frontend() = default;
  virtual void draw_background() = 0;
  virtual GameObserver& observer() = 0;
  virtual Seat& mouse_seat() = 0;
  // Whether the window has been closed (asked between half-moves).
  virtual bool quit_requested() = 0;
  // After the game: waits until a key is pressed or the window is closed.
  virtual void wait_for_key() = 0;
};

// An opened window, or none and the reason.
struct OpenedFrontend {
  std::unique_ptr<Frontend> frontend;
  std::string error;  // why no window could be opened, when frontend is null
};

// Opens the window of the given width and height; moves are logged to out.
using WindowFactory = std::function<OpenedFrontend(int width, int height, std::ostream& out)>;

}  // namespace trevosk
