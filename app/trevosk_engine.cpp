// trevosk-engine: the engine protocol on standard input and output, for
// programs that drive the game's players. See docs/engine.md.
#include <iostream>
#include <string>
#include <vector>

#include "engine/command_line.h"
#include "engine/engine.h"
#include "engine/session.h"
#include "game/stream_edges.h"
#include "rules/pieces.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> words(argv + 1, argv + argc);
  if (const std::optional<int> status = trevosk::engine_command_line(words, std::cout, std::cerr)) {
    if (!trevosk::output_ok(std::cout, std::cerr, "trevosk-engine"))
      return trevosk::kOutputFailedStatus;
    return *status;
  }
  // The piece tables are built before the first command, which is then quick.
  trevosk::piece_tables();
  trevosk::Engine engine(trevosk::Rng::from_system());
  trevosk::serve(std::cin, std::cout, engine);
  if (!trevosk::output_ok(std::cout, std::cerr, "trevosk-engine"))
    return trevosk::kOutputFailedStatus;
  return 0;
}
