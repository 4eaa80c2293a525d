// Runs a program as a child process with a given argument vector (argv[0]
// included, so it may name the program anything or be missing altogether),
// feeds it standard input and collects standard output, standard error and
// how it ended.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trevosk::e2e {

struct RunResult {
  std::string out;
  std::string err;
  int status = -1;         // exit status when the child exited
  int signal = 0;          // the signal that ended the child, 0 if it exited
  bool timed_out = false;  // killed after the deadline

  bool exited() const { return signal == 0 && !timed_out; }
};

struct RunOptions {
  // Extra "NAME=value" entries, and names removed, on top of this process's
  // environment.
  std::vector<std::string> set_env;
  std::vector<std::string> unset_env;
  // A guard against hangs, not a performance limit: the child is killed
  // when it is still running after this many seconds.
  int deadline_seconds = 900;
};

// Spawns path with exactly the words of argv (an empty argv gives the child
// no argument words at all), writes input to its standard input and closes
// it, and waits for the child while reading both output streams.
RunResult run_process(const std::string& path, const std::vector<std::string>& argv,
                      std::string_view input, const RunOptions& options = {});

}  // namespace trevosk::e2e
