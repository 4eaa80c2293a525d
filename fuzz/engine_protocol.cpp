// Fuzz target: the engine protocol's command reader over a session of lines.
//
// Each line of the input goes to one Engine, whose seats start at level 1.
// Every line that holds a command (by a model of the framing: '#' starts a
// comment, control bytes are dropped, words are split at blanks, a first
// word of digits is the id) must get one reply "=" or "?", the id, a space,
// the text and one empty line at the end; a line without a command gets
// none. A "?" reply is one line of message and leaves the game as it was, as
// does every command but play, genmove, undo and clear_board.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "fuzz_check.h"

namespace {

constexpr uint64_t kSeed = 20261207;

bool digits(std::string_view w) {
  return !w.empty() && w.find_first_not_of("0123456789") == std::string_view::npos;
}

// The value of a word of digits, saturated at 100.
int small_value(std::string_view w) {
  int v = 0;
  for (const char c : w) v = std::min(100, v * 10 + (c - '0'));
  return v;
}

std::vector<std::string> words_of(std::string_view line) {
  std::vector<std::string> words(1);
  for (const char c : line.substr(0, line.find('#'))) {
    const auto b = static_cast<unsigned char>(c);
    if (c == ' ' || c == '\t') {
      if (!words.back().empty()) words.emplace_back();
    } else if (b >= 32 && b != 127) {
      words.back() += c;
    }
  }
  if (words.back().empty()) words.pop_back();
  return words;
}

// Commands that take long and test nothing of the reader: the benchmark,
// counts of more than one ply, and the slower levels (2, 3 and 5 to 8).
bool too_slow(const std::string& name, const std::vector<std::string>& args) {
  if (name == "bench") return true;
  if (name == "perft") return args.size() == 1 && digits(args[0]) && small_value(args[0]) > 1;
  if (name == "set_level" && args.size() == 2 && digits(args[1])) {
    const int level = small_value(args[1]);
    return level >= 2 && level <= 8 && level != 4;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  trevosk::Engine engine{trevosk::Rng(kSeed)};
  engine.respond("set_level 1 1");
  engine.respond("set_level 2 1");
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  for (size_t start = 0; start <= size && !engine.quit_requested();) {
    size_t end = input.find('\n', start);
    if (end == std::string_view::npos) end = size;
    const std::string_view line = input.substr(start, end - start);
    start = end + 1;

    const std::vector<std::string> words = words_of(line);
    const bool has_id = !words.empty() && digits(words[0]);
    const std::string id = has_id ? words[0] : "";
    const std::string name = words.size() > has_id ? words[has_id] : "";
    const auto first_arg = static_cast<std::ptrdiff_t>(std::min(words.size(), has_id + size_t{1}));
    const std::vector<std::string> args(words.begin() + first_arg, words.end());
    if (too_slow(name, args)) continue;

    const trevosk::GameState before = engine.game().state();
    const size_t history = engine.game().history().size();
    const std::string reply = engine.respond(line);
    if (words.empty()) {
      FUZZ_CHECK(reply.empty(), "no reply to a line without a command");
      continue;
    }
    FUZZ_CHECK(reply.size() >= id.size() + 4 && (reply[0] == '=' || reply[0] == '?'),
               "a reply starting with = or ?");
    FUZZ_CHECK(reply.compare(1, id.size(), id) == 0 && reply[1 + id.size()] == ' ',
               "the id, then a space");
    FUZZ_CHECK(reply.find("\n\n") == reply.size() - 2, "one empty line, at the end");
    const bool failed = reply[0] == '?';
    const std::string_view text = std::string_view(reply).substr(id.size() + 2);
    if (failed)
      FUZZ_CHECK(text.size() > 2 && text.find('\n') == text.size() - 2,
                 "a failure's message on one line");

    const trevosk::Game& game = engine.game();
    if (failed ||
        (name != "play" && name != "genmove" && name != "undo" && name != "clear_board")) {
      FUZZ_CHECK(game.state() == before && game.history().size() == history,
                 "the game unchanged by \"" + std::string(line) + "\"");
    } else if (name == "undo") {
      FUZZ_CHECK(game.history().size() + 1 == history, "undo takes back one half-move");
    } else if (name == "clear_board") {
      FUZZ_CHECK(game.state() == trevosk::GameState{} && game.history().empty(), "a new game");
    } else {
      FUZZ_CHECK(game.history().size() == history + 1, "one half-move played");
    }
    FUZZ_CHECK(engine.quit_requested() == (name == "quit" && !failed), "quit ends the session");
  }
  return 0;
}
