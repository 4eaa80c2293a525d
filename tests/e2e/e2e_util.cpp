#include "e2e_util.h"

#include <sstream>

#include "transcript.h"

namespace trevosk::e2e {

const std::string& trevosk_path() {
  static const std::string path = TREVOSK_BINARY;
  return path;
}

RunResult run_trevosk(const std::vector<std::string>& words, std::string_view input) {
  std::vector<std::string> argv{"trevosk"};
  argv.insert(argv.end(), words.begin(), words.end());
  return run_process(trevosk_path(), argv, input);
}

::testing::AssertionResult fatal_error(const RunResult& r) {
  const size_t nl = r.err.find('\n');
  if (!r.exited() || r.status != 2)
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
