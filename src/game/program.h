// The whole program behind main: start-up, one game, and the exit status.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "game/frontend.h"

namespace trevosk {

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
