// trevosk: plays one game of the polyomino placement game.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "game/environment_seed.h"
#include "game/program.h"
#if TREVOSK_GUI
#include "gui/window_frontend.h"
#endif

namespace {

trevosk::OpenedFrontend open_window(int width, int height, std::ostream& out) {
#if TREVOSK_GUI
  return trevosk::open_window_frontend(width, height, out);
#else
  // A build without the window: asking for one is a start-up error.
  (void)width, (void)height, (void)out;
  return {nullptr, "this build has no graphics window"};
#endif
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv, argv + argc);
  // TREVOSK_SEED replaces the system's seed; a malformed value ends the
  // program before anything else is written.
  const trevosk::EnvironmentSeed seed = trevosk::seed_from_environment(std::getenv("TREVOSK_SEED"));
  if (!seed.ok) {
    std::cerr << trevosk::program_name(args) << ": " << seed.error << "\n" << std::flush;
    return 2;
  }
  return trevosk::run_program(args, {std::cin, std::cout, std::cerr}, open_window, seed.seed);
}
