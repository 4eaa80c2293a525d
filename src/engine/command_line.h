// trevosk-engine's command line: the program takes no arguments but --help
// and --version; anything else is refused in one line with status 2.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>

namespace trevosk {

// Reads the words after the program name. Nothing when the protocol is to be
// served; otherwise the exit status, after printing the usage, the version
// or the refusal.
std::optional<int> engine_command_line(std::span<const std::string> words, std::ostream& out,
                                       std::ostream& err);

}  // namespace trevosk
