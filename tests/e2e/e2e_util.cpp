#include "e2e_util.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "transcript.h"

extern char** environ;

namespace trevosk::e2e {

namespace {

// An unlinked temporary file holding `content`, rewound.
int temp_file(std::string_view content) {
  const char* dir = std::getenv("TMPDIR");
  std::string name = std::string(dir && *dir ? dir : "/tmp") + "/trevosk-e2e-XXXXXX";
  const int fd = mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("mkostemp failed");
  unlink(name.c_str());
  for (size_t done = 0; done < content.size();) {
    const ssize_t n = write(fd, content.data() + done, content.size() - done);
    if (n <= 0) throw std::runtime_error("write failed");
    done += n;
  }
  lseek(fd, 0, SEEK_SET);
  return fd;
}

std::string read_all(int fd) {
  std::string text;
  char buf[1 << 16];
  lseek(fd, 0, SEEK_SET);
  for (ssize_t n; (n = read(fd, buf, sizeof buf)) > 0;) text.append(buf, n);
  close(fd);
  return text;
}

std::vector<char*> c_strings(std::vector<std::string>& words) {
  std::vector<char*> v;
  v.reserve(words.size() + 1);
  for (std::string& w : words) v.push_back(w.data());
  v.push_back(nullptr);
  return v;
}

}  // namespace

RunResult run_process(const std::vector<std::string>& argv, std::string_view input,
                      const std::vector<std::string>* env) {
  // Files, not pipes: the child may stop reading at any point.
  const int fds[3] = {temp_file(input), temp_file(""), temp_file("")};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (int i = 0; i < 3; ++i) posix_spawn_file_actions_adddup2(&actions, fds[i], i);
  std::vector<std::string> args = argv, env_words = env ? *env : std::vector<std::string>{};
  std::vector<char*> c_args = c_strings(args), c_env = c_strings(env_words);
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, TREVOSK_BINARY, &actions, nullptr, c_args.data(),
                             env ? c_env.data() : environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[0]);
  if (rc != 0) throw std::runtime_error("posix_spawn failed");
  int wstatus = 0;
  while (waitpid(pid, &wstatus, 0) < 0)
    if (errno != EINTR) throw std::runtime_error("waitpid failed");
  RunResult r{read_all(fds[1]), read_all(fds[2])};
  if (WIFEXITED(wstatus)) r.status = WEXITSTATUS(wstatus);
  if (WIFSIGNALED(wstatus)) r.signal = WTERMSIG(wstatus);
  return r;
}

RunResult run_trevosk(const std::vector<std::string>& words, std::string_view input) {
  std::vector<std::string> argv{"trevosk"};
  argv.insert(argv.end(), words.begin(), words.end());
  return run_process(argv, input);
}

::testing::AssertionResult fatal_error(const RunResult& r) {
  const size_t nl = r.err.find('\n');
  if (r.signal != 0 || r.status != 2)
    return ::testing::AssertionFailure()
           << "status " << r.status << ", signal " << r.signal << ", stderr: " << r.err;
  if (!r.err.starts_with(kFatal) || nl + 1 != r.err.size() || nl == kFatal.size())
    return ::testing::AssertionFailure() << "stderr is not one fatal-error line: " << r.err;
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult consistent_game(const std::string& out, bool finished) {
  const TranscriptReport report = check_transcript(out);
  if (!report.ok)
    return ::testing::AssertionFailure()
           << "transcript line " << report.line << ": " << report.message;
  if (report.finished != finished)
    return ::testing::AssertionFailure()
           << (finished ? "the game did not reach its result line"
                        : "the game finished instead of waiting for input");
  return ::testing::AssertionSuccess() << report.moves << " moves";
}

std::vector<std::string> entry_and_move_lines(const std::string& out) {
  std::vector<std::string> lines;
  std::istringstream s(out);
  for (std::string line; std::getline(s, line);)
    if (line.starts_with("Input> ") || line.starts_with("Player ")) lines.push_back(line);
  return lines;
}

}  // namespace trevosk::e2e
