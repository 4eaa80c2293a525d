#include "match/match_seat.h"

#include "game/settings.h"
#include "players/levels.h"
#include "search/search_options.h"

namespace trevosk {

namespace {

constexpr int kMinWidth = 1;
constexpr int kMaxWidth = 99;

// Splits a command into words as the shell does, without expanding
// anything: words end at unquoted spaces and tabs; '...' keeps everything
// inside it; "..." too, except that a backslash there escapes \ and ";
// elsewhere a backslash escapes the next character. False with a message
// for an unclosed quote or a backslash at the end.
bool split_command(std::string_view text, std::vector<std::string>& words, std::string& error) {
  words.clear();
  std::string word;
  bool in_word = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ' ' || c == '\t') {
      if (in_word) words.push_back(std::move(word));
      word.clear();
      in_word = false;
      continue;
    }
    in_word = true;
    if (c == '\\') {
      if (++i == text.size()) return (error = "a backslash ends the command"), false;
      word += text[i];
    } else if (c == '\'' || c == '"') {
      for (++i;; ++i) {
        if (i == text.size())
          return (error = std::string("unclosed ") + c + " in the command"), false;
        if (text[i] == c) break;
        if (c == '"' && text[i] == '\\' && i + 1 < text.size() &&
            (text[i + 1] == '"' || text[i + 1] == '\\'))
          ++i;
        word += text[i];
      }
    } else {
      word += c;
    }
  }
  if (in_word) words.push_back(std::move(word));
  return true;
}

std::vector<std::string> split(std::string_view text, char sep) {
  std::vector<std::string> words;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find(sep, start), text.size());
    words.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

bool parse_level(std::string_view body, ComputerConfig& config, std::string& error) {
  const std::vector<std::string> parts = split(body, ',');
  int level = 0;
  if (!parse_int(parts[0], level) || level < kMinLevel || level > kLastSearchLevel) {
    error = "level must be " + std::to_string(kMinLevel) + " to " +
            std::to_string(kLastSearchLevel) + ", not `" + parts[0] + "'";
    return false;
  }
  config = ComputerConfig{};
  config.level = level;
  for (size_t i = 1; i < parts.size(); ++i) {
    const std::string& p = parts[i];
    if (p == "r") {
      config.random_assist = true;
    } else if (p == "n") {
      config.use_joseki = false;
    } else if (p.starts_with("w=")) {
      int width = 0;
      if (!parse_int(p.substr(2), width) || width < kMinWidth || width > kMaxWidth) {
        error = "think width must be " + std::to_string(kMinWidth) + " to " +
                std::to_string(kMaxWidth) + ", not `" + p.substr(2) + "'";
        return false;
      }
      config.think_width = width;
    } else if (const size_t eq = p.find('=');
               eq != std::string::npos && level >= kFirstSearchLevel) {
      if (!set_search_option(config.search, p.substr(0, eq), p.substr(eq + 1), error)) return false;
    } else {
      error = "unknown level option `" + p + "' (r, n or w=W; at levels " +
              std::to_string(kFirstSearchLevel) + " and " + std::to_string(kLastSearchLevel) +
              " also the search's NAME=VALUE)";
      return false;
    }
  }
  return true;
}

}  // namespace

bool parse_seat(std::string_view text, MatchSeat& seat, std::string& error) {
  seat = MatchSeat{};
  seat.text = std::string(text);
  if (text.starts_with("level:")) {
    std::string_view body = text.substr(6);
    // Everything after ",cmd=" is the program's command, commas and all.
    const size_t cmd = body.find(",cmd=");
    if (cmd != std::string_view::npos) {
      seat.outside = seat.configured = true;
      if (!split_command(body.substr(cmd + 5), seat.command, error)) return false;
      body = body.substr(0, cmd);
      if (seat.command.empty()) {
        error = "cmd= needs a program";
        return false;
      }
    }
    return parse_level(body, seat.computer, error);
  }
  if (text.starts_with("cmd:")) {
    seat.outside = true;
    if (!split_command(text.substr(4), seat.command, error)) return false;
    if (seat.command.empty()) {
      error = "cmd: needs a program";
      return false;
    }
    return true;
  }
  error =
      "a seat is level:L[,r][,n][,w=W] or cmd:PROGRAM [ARGS...], not `" + std::string(text) + "'";
  return false;
}

}  // namespace trevosk
