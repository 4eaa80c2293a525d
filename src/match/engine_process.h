// EngineProcess: an outside program on two pipes, spoken to in the engine
// protocol's framing: a command line goes to its standard input, and the
// reply ("=..." or "?...", possibly several lines) ends with a blank line on
// its standard output. Its standard error is left as it is.
//
// The program runs in its own process group, so that stop() kills whatever
// it started too, and is always reaped. Writing to a program that has gone
// is an error, not a signal, in a process that ignores SIGPIPE, as every
// program that starts outside programs does at start-up (the program started
// gets the default back).
#pragma once

#include <sys/types.h>

#include <atomic>
#include <string>
#include <vector>

namespace trevosk {

class EngineProcess {
 public:
  explicit EngineProcess(std::vector<std::string> command) : command_(std::move(command)) {}
  ~EngineProcess() { stop(); }
  EngineProcess(const EngineProcess&) = delete;
  EngineProcess& operator=(const EngineProcess&) = delete;

  bool running() const { return pid_ > 0; }

  // Starts the program unless it runs; false with a message if it cannot.
  bool start(std::string& error);

  struct Reply {
    enum class Status : uint8_t { Success, Failure, Broken };
    Status status;
    // Success or Failure: the reply after "=" or "?" and its id. Broken: what
    // went wrong (the program was stopped).
    std::string text;
  };
  // Sends one command and waits for its reply, at most `timeout` seconds
  // (none when 0 or less). When `cancel` turns true the wait ends as Broken.
  // Any Broken reply stops the program.
  Reply ask(const std::string& command, double timeout, const std::atomic<bool>* cancel = nullptr);

  // Sends "quit", gives the program a moment to end, then stops it.
  void quit();
  // Kills the program's process group and reaps the program.
  void stop();

 private:
  Reply broken(std::string why);
  // Whether the program exits within `ms`; if so, how.
  bool exited_within(int ms, std::string& how);

  std::vector<std::string> command_;
  pid_t pid_ = -1;
  int to_engine_ = -1;
  int from_engine_ = -1;
  std::string buffer_;  // what was read past the last reply
};

// Printable ASCII of a program's text, other bytes as '?', cut at `max`.
std::string printable(std::string_view text, size_t max = 60);

}  // namespace trevosk
