#include "engine/command_line.h"

#include "game/version.h"

namespace trevosk {

std::optional<int> engine_command_line(std::span<const std::string> words, std::ostream& out,
                                       std::ostream& err) {
  if (words.empty()) return std::nullopt;
  if (words.size() == 1 && words[0] == "--help") {
    out << "Usage: trevosk-engine [--help | --version]\n"
           "Speaks the engine protocol on standard input and output, one command a\n"
           "line; list_commands lists the commands. See trevosk-engine(6).\n";
    return 0;
  }
  if (words.size() == 1 && words[0] == "--version") {
    out << "trevosk-engine " << kVersion << "\n";
    return 0;
  }
  err << "trevosk-engine: unexpected argument `" << words[0]
      << "' (trevosk-engine takes only --help or --version)\n";
  return 2;
}

}  // namespace trevosk
