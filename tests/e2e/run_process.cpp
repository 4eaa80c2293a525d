#include "run_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace trevosk::e2e {

namespace {

void fail(const std::string& what) { throw std::runtime_error(what + ": " + std::strerror(errno)); }

// This process's environment with the options' changes applied.
std::vector<std::string> child_environment(const RunOptions& options) {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    const std::string entry(*e);
    const std::string name = entry.substr(0, entry.find('='));
    bool drop = false;
    for (const std::string& u : options.unset_env) drop = drop || u == name;
    for (const std::string& s : options.set_env) drop = drop || s.substr(0, s.find('=')) == name;
    if (!drop) env.push_back(entry);
  }
  env.insert(env.end(), options.set_env.begin(), options.set_env.end());
  return env;
}

std::vector<char*> c_strings(std::vector<std::string>& words) {
  std::vector<char*> v;
  for (std::string& w : words) v.push_back(w.data());
  v.push_back(nullptr);
  return v;
}

}  // namespace

RunResult run_process(const std::string& path, const std::vector<std::string>& argv,
                      std::string_view input, const RunOptions& options) {
  // A child that exits before reading all its input must not kill us.
  signal(SIGPIPE, SIG_IGN);

  int in_pipe[2], out_pipe[2], err_pipe[2];
  if (pipe2(in_pipe, O_CLOEXEC) || pipe2(out_pipe, O_CLOEXEC) || pipe2(err_pipe, O_CLOEXEC))
    fail("pipe2");

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in_pipe[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out_pipe[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err_pipe[1], 2);

  std::vector<std::string> args = argv;
  std::vector<std::string> env = child_environment(options);
  std::vector<char*> c_args = c_strings(args);
  std::vector<char*> c_env = c_strings(env);
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, path.c_str(), &actions, nullptr, c_args.data(), c_env.data());
  posix_spawn_file_actions_destroy(&actions);
  close(in_pipe[0]);
  close(out_pipe[1]);
  close(err_pipe[1]);
  if (rc != 0) {
    errno = rc;
    fail("posix_spawn " + path);
  }

  // Pump: write the input while it is accepted, read both outputs until
  // they close.
  fcntl(in_pipe[1], F_SETFL, O_NONBLOCK);
  int in_fd = in_pipe[1];
  if (input.empty()) {
    close(in_fd);
    in_fd = -1;
  }
  int out_fds[2] = {out_pipe[0], err_pipe[0]};
  RunResult result;
  std::string* sinks[2] = {&result.out, &result.err};
  size_t written = 0;
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::seconds(options.deadline_seconds);
  char buf[1 << 16];
  while (out_fds[0] >= 0 || out_fds[1] >= 0) {
    pollfd fds[3];
    int n = 0;
    for (int fd : out_fds)
      if (fd >= 0) fds[n++] = {fd, POLLIN, 0};
    if (in_fd >= 0) fds[n++] = {in_fd, POLLOUT, 0};
    if (poll(fds, n, 1000) < 0 && errno != EINTR) fail("poll");
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      result.timed_out = true;
      break;
    }
    for (int i = 0; i < n; ++i) {
      if (!fds[i].revents) continue;
      if (fds[i].fd == in_fd) {
        const ssize_t w = write(in_fd, input.data() + written, input.size() - written);
        if (w > 0) written += w;
        if ((w < 0 && errno != EAGAIN) || written == input.size()) {
          close(in_fd);  // done, or the child closed its end (EPIPE)
          in_fd = -1;
        }
        continue;
      }
      for (int k = 0; k < 2; ++k) {
        if (fds[i].fd != out_fds[k]) continue;
        const ssize_t r = read(out_fds[k], buf, sizeof buf);
        if (r > 0) {
          sinks[k]->append(buf, r);
        } else if (r == 0 || errno != EINTR) {
          close(out_fds[k]);
          out_fds[k] = -1;
        }
      }
    }
  }
  if (in_fd >= 0) close(in_fd);
  for (int fd : out_fds)
    if (fd >= 0) close(fd);

  int wstatus = 0;
  while (waitpid(pid, &wstatus, 0) < 0)
    if (errno != EINTR) fail("waitpid");
  if (!result.timed_out) {
    if (WIFEXITED(wstatus)) result.status = WEXITSTATUS(wstatus);
    if (WIFSIGNALED(wstatus)) result.signal = WTERMSIG(wstatus);
  }
  return result;
}

}  // namespace trevosk::e2e
