#include "gui/window_frontend.h"

namespace trevosk {

std::unique_ptr<Frontend> open_window_frontend(int, int, std::ostream&) {
  throw WindowError("the graphics window is not available in this build");
}

}  // namespace trevosk
