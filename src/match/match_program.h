// The whole of trevosk-match behind its main: the command line, then one of
// the play, summary and replay modes, and the exit status.
#pragma once

#include <atomic>
#include <ostream>
#include <span>
#include <string>

namespace trevosk {

struct MatchIo {
  std::ostream& out;
  std::ostream& err;
  // Whether err is a terminal, where the progress line is drawn.
  bool err_is_terminal = false;
};

// Runs trevosk-match on the words after the program name. `stop` turns true
// when the run is to end early (main sets it from SIGINT and SIGTERM): no
// game starts after it, and a match that stopped before its end has status
// 130.
int run_match_program(std::span<const std::string> words, MatchIo io, std::atomic<bool>& stop);

}  // namespace trevosk
