#include "match/engine_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <thread>

extern char** environ;

namespace trevosk {

namespace {

constexpr size_t kMaxReply = 1 << 16;
// The longest wait between two looks at the cancel flag.
constexpr int kPollSliceMs = 100;

void close_fd(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

std::string seconds_text(double s) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", s);
  return buf;
}

}  // namespace

std::string printable(std::string_view text, size_t max) {
  std::string out;
  for (const char c : text.substr(0, max)) out += c >= 0x20 && c < 0x7f ? c : '?';
  if (text.size() > max) out += "...";
  return out;
}

bool EngineProcess::start(std::string& error) {
  if (running()) return true;
  int in[2], out[2];
  if (pipe2(in, O_CLOEXEC) != 0) return (error = std::strerror(errno)), false;
  if (pipe2(out, O_CLOEXEC) != 0) {
    error = std::strerror(errno);
    close(in[0]), close(in[1]);
    return false;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigdefault(&attr, &defaults);
  posix_spawnattr_setpgroup(&attr, 0);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);
  std::vector<char*> argv;
  for (std::string& w : command_) argv.push_back(w.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int rc = posix_spawnp(&pid, argv[0], &actions, &attr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attr);
  close(in[0]);
  close(out[1]);
  if (rc != 0) {
    close(in[1]);
    close(out[0]);
    error = "could not start " + command_[0] + ": " + std::strerror(rc);
    return false;
  }
  pid_ = pid;
  to_engine_ = in[1];
  from_engine_ = out[0];
  // A program that stops reading must not block the runner's writes.
  fcntl(to_engine_, F_SETFL, fcntl(to_engine_, F_GETFL) | O_NONBLOCK);
  buffer_.clear();
  return true;
}

bool EngineProcess::exited_within(int ms, std::string& how) {
  // Looked at without reaping: the leader's id keeps its process group's id
  // reserved until stop() has killed the group.
  for (int waited = 0;; waited += 10) {
    siginfo_t info{};
    if (waitid(P_PID, pid_, &info, WEXITED | WNOHANG | WNOWAIT) != 0) return false;
    if (info.si_pid == pid_) {
      if (info.si_code == CLD_EXITED)
        how = "exited with status " + std::to_string(info.si_status);
      else
        how = "killed by signal " + std::to_string(info.si_status);
      return true;
    }
    if (waited >= ms) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

void EngineProcess::stop() {
  close_fd(to_engine_);
  close_fd(from_engine_);
  if (pid_ > 0) {
    kill(-pid_, SIGKILL);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
  }
  pid_ = -1;
  buffer_.clear();
}

void EngineProcess::quit() {
  if (!running()) return;
  const std::string line = "quit\n";
  if (write(to_engine_, line.data(), line.size()) > 0) {
    close_fd(to_engine_);
    std::string how;
    exited_within(1000, how);
  }
  stop();
}

EngineProcess::Reply EngineProcess::broken(std::string why) {
  stop();
  return {Reply::Status::Broken, std::move(why)};
}

EngineProcess::Reply EngineProcess::ask(const std::string& command, double timeout,
                                        const std::atomic<bool>* cancel) {
  if (!running()) return {Reply::Status::Broken, "not running"};
  const std::string line = command + "\n";
  for (size_t sent = 0; sent < line.size();) {
    const ssize_t n = write(to_engine_, line.data() + sent, line.size() - sent);
    if (n > 0) {
      sent += static_cast<size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      std::string how;
      if (n < 0 && errno == EAGAIN) return broken("does not read its input");
      return broken(exited_within(200, how) ? "closed its input (" + how + ")"
                                            : "closed its input");
    }
  }
  using Clock = std::chrono::steady_clock;
  const auto deadline =
      Clock::now() + std::chrono::duration_cast<Clock::duration>(
                         std::chrono::duration<double>(timeout > 0 ? timeout : 0));
  for (;;) {
    // A reply is complete at its blank line; blank lines before it are skipped.
    for (size_t cr; (cr = buffer_.find('\r')) != std::string::npos;) buffer_.erase(cr, 1);
    const size_t first = buffer_.find_first_not_of('\n');
    if (first != std::string::npos) {
      const char c = buffer_[first];
      if (c != '=' && c != '?')
        return broken("answered `" +
                      printable(buffer_.substr(first, buffer_.find('\n', first) - first)) + "'");
      const size_t end = buffer_.find("\n\n", first);
      if (end != std::string::npos) {
        std::string reply = buffer_.substr(first + 1, end - first - 1);
        buffer_.erase(0, end + 2);
        // Drop the id, then one space.
        size_t k = 0;
        while (k < reply.size() && std::isdigit(static_cast<unsigned char>(reply[k]))) ++k;
        if (k < reply.size() && reply[k] == ' ') ++k;
        reply.erase(0, k);
        return {c == '=' ? Reply::Status::Success : Reply::Status::Failure, reply};
      }
    }
    if (buffer_.size() > kMaxReply) return broken("sent a reply longer than 64 KiB");
    if (cancel && cancel->load()) return broken("interrupted");
    int wait_ms = kPollSliceMs;
    if (timeout > 0) {
      // Rounded up: a wait never ends before its deadline.
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
      if (left.count() <= 0) return broken("timed out after " + seconds_text(timeout) + " s");
      wait_ms = static_cast<int>(std::min<long long>(left.count(), kPollSliceMs));
    }
    pollfd p{from_engine_, POLLIN, 0};
    const int ready = poll(&p, 1, wait_ms);
    if (ready < 0 && errno != EINTR) return broken(std::string("poll: ") + std::strerror(errno));
    if (ready <= 0) continue;
    char chunk[4096];
    const ssize_t n = read(from_engine_, chunk, sizeof chunk);
    if (n > 0) {
      buffer_.append(chunk, static_cast<size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      std::string how;
      return broken(exited_within(200, how) ? "closed its output (" + how + ")"
                                            : "closed its output");
    }
  }
}

}  // namespace trevosk
