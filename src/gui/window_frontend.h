// The graphics front end: opens the window and serves the game loop.
#pragma once

#include <memory>
#include <ostream>

#include "game/program.h"

namespace trevosk {

// Opens a width x height window; throws WindowError when none can be opened.
std::unique_ptr<Frontend> open_window_frontend(int width, int height, std::ostream& out);

}  // namespace trevosk
