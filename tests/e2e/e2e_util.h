// Shared helpers of the end-to-end tests: running the built program as a
// user would (named "trevosk") and checking what a game wrote.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "run_process.h"

namespace trevosk::e2e {

// The usage text, as "-help" writes it and parser errors follow it with.
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

// Runs the program with argv[0] "trevosk" and the given words after it.
RunResult run_trevosk(const std::vector<std::string>& words, std::string_view input = "");

// The program's path, for runs with an argv of one's own.
const std::string& trevosk_path();

// The result of a run that ended with a fatal error: status 2, standard
// error the one fatal-error line.
::testing::AssertionResult fatal_error(const RunResult& r);

// The standard output of a text-mode game, replayed by the transcript
// checker; `finished` asks for a game played to the result line, otherwise
// for one that ended at a prompt when the input ran out.
::testing::AssertionResult consistent_game(const std::string& out, bool finished = true);

// The lines of out that are not part of a display: prompts with their echo,
// move lines and pass lines, in order. An unanswered last prompt is kept.
std::vector<std::string> entry_and_move_lines(const std::string& out);

}  // namespace trevosk::e2e
