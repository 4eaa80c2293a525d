// trevosk-match: plays many seeded games between two seats, keeps every game
// as a record line, and summarises them; also summarises and replays record
// files.
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "game/stream_edges.h"
#include "match/match_program.h"

namespace {

std::atomic<bool> g_stop{false};

void on_signal(int) { g_stop.store(true); }

}  // namespace

int main(int argc, char** argv) {
  // SIGINT and SIGTERM end the match after the games in progress are dropped;
  // a reader or outside program that goes away is a write error, not a signal.
  struct sigaction sa {};
  sa.sa_handler = on_signal;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  std::signal(SIGPIPE, SIG_IGN);

  const std::vector<std::string> words(argv + 1, argv + argc);
  const int status =
      trevosk::run_match_program(words, {std::cout, std::cerr, isatty(STDERR_FILENO) == 1}, g_stop);
  // A summary or replay that could not be written is a failure, whatever else went well.
  if (!trevosk::output_ok(std::cout, std::cerr, "trevosk-match"))
    return trevosk::kOutputFailedStatus;
  return status;
}
