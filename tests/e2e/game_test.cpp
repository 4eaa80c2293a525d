// Whole text-mode games between computer seats, each replayed by the
// transcript checker.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e_util.h"

namespace trevosk::e2e {
namespace {

// Plays one game to its end; computer seats never prompt or read input.
void expect_complete_game(const std::vector<std::string>& words) {
  const RunResult r = run_trevosk(words, "----\n55a0\n");
  ASSERT_TRUE(r.exited()) << "signal " << r.signal << (r.timed_out ? ", timed out" : "");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out.find("Input> "), std::string::npos);
  EXPECT_TRUE(consistent_game(r.out));
  // Player 1 opens with the stored move whatever its level, unless -n.
  const std::vector<std::string> moves = entry_and_move_lines(r.out);
  ASSERT_FALSE(moves.empty());
  const bool book = std::find(words.begin(), words.end(), "-n") == words.end();
  if (book) {
    EXPECT_EQ(moves[0], "Player 1 plays [66t0]");
  }
}

// Both level tables (P1 and P2) at every level, with and without the
// opening book; the name lists the arguments after -t.
class ComputerGame : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(ComputerGame, FinishesWithLegalMoves) {
  std::vector<std::string> words{"-t"};
  words.insert(words.end(), GetParam().begin(), GetParam().end());
  expect_complete_game(words);
}

INSTANTIATE_TEST_SUITE_P(Levels, ComputerGame,
                         ::testing::Values(std::vector<std::string>{"-p1", "1", "-p2", "1"},
                                           std::vector<std::string>{"-n", "-p1", "1", "-p2", "2"},
                                           std::vector<std::string>{"-p1", "2", "-p2", "3"},
                                           std::vector<std::string>{"-n", "-p1", "3", "-p2", "5"},
                                           std::vector<std::string>{"-p1", "5", "-p2", "4"},
                                           std::vector<std::string>{"-n", "-p1", "4", "-p2", "3"},
                                           std::vector<std::string>{"-p1", "6", "-p2", "7"},
                                           std::vector<std::string>{"-n", "-p1", "8", "-p2", "6"},
                                           std::vector<std::string>{"-p1", "7", "-p2", "8"}),
                         [](const auto& info) {
                           std::string name;
                           for (const std::string& w : info.param)
                             name += w[0] == '-' ? w.substr(1) : w;  // "-n -p1 3" gives "np13"
                           return name;
                         });

// Random assist at one level for both seats.
class RandomAssistGame : public ::testing::TestWithParam<int> {};

TEST_P(RandomAssistGame, FinishesWithLegalMoves) {
  const std::string level = std::to_string(GetParam());
  expect_complete_game({"-t", "-r", "-p1", level, "-p2", level});
}

INSTANTIATE_TEST_SUITE_P(RandomAssist, RandomAssistGame, ::testing::Range(1, 9),
                         [](const auto& info) { return "level" + std::to_string(info.param); });

}  // namespace
}  // namespace trevosk::e2e
