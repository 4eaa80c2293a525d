// The whole program behind main: start-up, one game, and the exit status.
#pragma once

#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>

#include "game/game_events.h"
#include "game/seat.h"

namespace trevosk {

// What the graphics mode needs from a window: the static background, an
// observer that draws the position and logs each move once, the mouse seat
// of a human player, and the two ways the user ends the program.
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

// Thrown when no window can be opened; the message says why.
class WindowError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Opens the window of the given width and height; moves are logged to out.
using WindowFactory =
    std::function<std::unique_ptr<Frontend>(int width, int height, std::ostream& out)>;

struct ProgramIo {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

// The name the program calls itself in messages: args[0] as invoked, or
// "trevosk" without one (an empty vector, or an empty first word, which is
// what the kernel passes for an empty vector).
std::string program_name(std::span<const std::string> args);

// Runs the program on its command line (args[0] is the program name as
// invoked; it may be missing or empty) and returns the exit status. The random
// generator is seeded from the system unless a seed is given.
int run_program(std::span<const std::string> args, ProgramIo io, const WindowFactory& open_window,
                std::optional<uint64_t> seed = std::nullopt);

}  // namespace trevosk
