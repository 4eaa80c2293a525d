// trevosk: plays one game of the polyomino placement game.
#include <iostream>
#include <string>
#include <vector>

#include "game/program.h"
#include "gui/window_frontend.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv, argv + argc);
  return trevosk::run_program(args, {std::cin, std::cout, std::cerr},
                              trevosk::open_window_frontend);
}
