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

#include "game/display.h"

namespace trevosk {

// What the graphics mode needs from a window: a display, a mouse-driven
// human mover and a move log, plus the static background.
class Frontend {
 public:
  virtual ~Frontend() = default;
  virtual Display& display() = 0;
  virtual HumanMover& human() = 0;
  virtual MoveLog& log() = 0;
  virtual void draw_background() = 0;
};

// Thrown when no window can be opened; the message says why.
class WindowError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Thrown by a front end to end the program at once with the given status
// (a key pressed or the window closed while waiting for a move).
struct EndProgram {
  int status;
};

// Opens the window of the given width and height; moves are logged to out.
using WindowFactory =
    std::function<std::unique_ptr<Frontend>(int width, int height, std::ostream& out)>;

struct ProgramIo {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

// Runs the program on its command line (args[0] is the program name as
// invoked; it may be missing or empty) and returns the exit status. The random
// generator is seeded from the system unless a seed is given.
int run_program(std::span<const std::string> args, ProgramIo io, const WindowFactory& open_window,
                std::optional<uint64_t> seed = std::nullopt);

}  // namespace trevosk
