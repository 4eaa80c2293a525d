// One command line of the engine protocol, cleaned and split into words.
//
// Control characters are dropped (a tab separates words like a space), a
// '#' starts a comment that runs to the end of the line, and words are
// separated by spaces. A first word of decimal digits is the command's id.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trevosk {

struct ProtocolCommand {
  std::string id;    // the digits as given, or empty
  std::string name;  // empty when the line held only an id
  std::vector<std::string> args;
};

// The command on a line (without its line end), or nothing for a line that
// is empty once cleaned.
std::optional<ProtocolCommand> parse_protocol_line(std::string_view line);

}  // namespace trevosk
