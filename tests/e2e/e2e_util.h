// Shared helpers of the end-to-end tests: running the built program as a
// user would and checking what a game wrote.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace trevosk::e2e {

inline constexpr std::string_view kUsage =
    "Usage:\n"
    "  -v : Version info.\n"
    "  -t : Text-mode\n"
    "  -r : Random Assist\n"
    "  -n : Not use jouseki (at first)\n"
    "  -p1 human | 1-8 : Player-1 (default=8)\n"
    "  -p2 human | 1-8 : Player-2 (default=8)\n"
    "  -w  2-99 : Think width (not recommended).\n"
    "  -help  Display this list of options\n"
    "  --help  Display this list of options\n";
inline constexpr std::string_view kBanner = "Kalvon Trevosk 1.0 r.temmo\n";
inline constexpr std::string_view kFatal = "Fatal error: exception ";
inline const std::vector<std::string> kTwoHumans = {"-t", "-p1", "human", "-p2", "human"};

struct RunResult {
  std::string out, err;
  int status = -1;  // exit status when the child exited
  int signal = 0;   // the signal that ended the child, 0 if it exited
};

// Runs the program with exactly the words of argv (argv[0] included; an
// empty argv gives it no words at all), input on standard input, and env
// as its whole environment (this process's when null).
RunResult run_process(const std::vector<std::string>& argv, std::string_view input,
                      const std::vector<std::string>* env = nullptr);

// Runs the program named "trevosk" with the given words after it.
RunResult run_trevosk(const std::vector<std::string>& words, std::string_view input = "");

// Status 2 and standard error the one fatal-error line.
::testing::AssertionResult fatal_error(const RunResult& r);

// A text-mode game's standard output, replayed by the transcript checker:
// played to the result line when `finished`, otherwise ended at an
// unanswered prompt.
::testing::AssertionResult consistent_game(const std::string& out, bool finished = true);

// The prompt lines with their echo, move lines and pass lines of out, in order.
std::vector<std::string> entry_and_move_lines(const std::string& out);

}  // namespace trevosk::e2e
