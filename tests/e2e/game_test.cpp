// Whole text-mode games between computer seats, each replayed by the
// transcript checker.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e_util.h"

namespace trevosk::e2e {
namespace {

// Plays one game to its end; computer seats never prompt or read input.
void expect_complete_game(const std::vector<std::string>& words) {
  std::string shown;
  for (const std::string& w : words) shown += " " + w;
  SCOPED_TRACE("trevosk" + shown);
  const RunResult r = run_trevosk(words, "----\n55a0\n");
  ASSERT_EQ(r.signal, 0);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out.find("Input> "), std::string::npos);
  EXPECT_TRUE(consistent_game(r.out));
  // Player 1 opens with the stored move whatever its level, unless -n.
  if (std::find(words.begin(), words.end(), "-n") == words.end()) {
    EXPECT_NE(r.out.find("( 1)\nPlayer 1 plays [66t0]\n"), std::string::npos);
  }
}

// Levels 1 to 8 once each, over both seats' level tables, with and without
// the joseki.
TEST(ComputerGame, EveryLevelFinishesWithLegalMoves) {
  for (const std::vector<std::string>& seats : {std::vector<std::string>{"-p1", "1", "-p2", "6"},
                                                {"-n", "-p1", "7", "-p2", "2"},
                                                {"-p1", "3", "-p2", "8"},
                                                {"-n", "-p1", "4", "-p2", "5"}}) {
    std::vector<std::string> words{"-t"};
    words.insert(words.end(), seats.begin(), seats.end());
    expect_complete_game(words);
  }
}

TEST(ComputerGame, RandomAssistAtEveryLevel) {
  for (int level = 1; level <= 8; ++level)
    expect_complete_game({"-t", "-r", "-p1", std::to_string(level), "-p2", std::to_string(level)});
}

}  // namespace
}  // namespace trevosk::e2e
