// trevosk: plays one game of the polyomino placement game.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "game/program.h"
#if TREVOSK_GUI
#include "gui/window_frontend.h"
#endif

namespace {

std::unique_ptr<trevosk::Frontend> open_window(int width, int height, std::ostream& out) {
#if TREVOSK_GUI
  return trevosk::open_window_frontend(width, height, out);
#else
  // A build without the window: asking for one is a start-up error.
  (void)width, (void)height, (void)out;
  throw trevosk::WindowError("this build has no graphics window");
#endif
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv, argv + argc);
  return trevosk::run_program(args, {std::cin, std::cout, std::cerr}, open_window);
}
