#include "engine/protocol_line.h"

#include <algorithm>

namespace trevosk {

std::optional<ProtocolCommand> parse_protocol_line(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : line) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '#') break;
    if (c == ' ' || c == '\t') {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else if (b >= 32 && b != 127) {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  if (words.empty()) return std::nullopt;

  ProtocolCommand command;
  auto next = words.begin();
  if (std::all_of(next->begin(), next->end(), [](char c) { return c >= '0' && c <= '9'; }))
    command.id = std::move(*next++);
  if (next != words.end()) command.name = std::move(*next++);
  command.args.assign(std::make_move_iterator(next), std::make_move_iterator(words.end()));
  return command;
}

}  // namespace trevosk
