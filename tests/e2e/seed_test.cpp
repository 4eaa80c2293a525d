// TREVOSK_SEED, run as a user would: the same seed replays a game that
// draws random numbers, another seed or none plays another game, and a
// malformed value stops the program before it writes anything else.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e_util.h"

extern char** environ;

namespace trevosk::e2e {
namespace {

// This process's environment without TREVOSK_SEED, plus TREVOSK_SEED=value
// unless value is null.
std::vector<std::string> environment_with_seed(const char* value) {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e)
    if (!std::string(*e).starts_with("TREVOSK_SEED=")) env.push_back(*e);
  if (value) env.push_back(std::string("TREVOSK_SEED=") + value);
  return env;
}

RunResult run_with_seed(const char* seed, const std::vector<std::string>& words) {
  std::vector<std::string> argv{"trevosk"};
  argv.insert(argv.end(), words.begin(), words.end());
  const std::vector<std::string> env = environment_with_seed(seed);
  return run_process(argv, "", &env);
}

TEST(Seed, TheSameSeedReplaysTheGame) {
  // Levels 1 and 2 draw at every move; -r adds noise to level 4's first turns.
  for (const std::vector<std::string>& words :
       {std::vector<std::string>{"-t", "-p1", "1", "-p2", "2"},
        std::vector<std::string>{"-t", "-r", "-p1", "4", "-p2", "4"}}) {
    SCOPED_TRACE(words[1] + " " + words[3]);
    const RunResult first = run_with_seed("7", words);
    ASSERT_EQ(first.status, 0) << first.err;
    ASSERT_TRUE(consistent_game(first.out));
    const RunResult again = run_with_seed("7", words);
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, first.out);
    // The seed is what decides: another seed, or none, gives another game.
    EXPECT_NE(run_with_seed("8", words).out, first.out);
    EXPECT_NE(run_with_seed(nullptr, words).out, first.out);
  }
}

TEST(Seed, AMalformedValueIsAOneLineErrorAndStatus2) {
  for (const char* value : {"", "abc", "-1", "+7", " 7", "18446744073709551616"}) {
    SCOPED_TRACE(std::string("[") + value + "]");
    const RunResult r = run_with_seed(value, {"-t", "-p1", "1", "-p2", "1"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, std::string("trevosk: TREVOSK_SEED must be an unsigned 64-bit decimal number, "
                                 "not \"") +
                         value + "\"\n");
  }
  // Also before -v or -help, which would otherwise print and end.
  EXPECT_EQ(run_with_seed("x", {"-v"}).status, 2);
}

}  // namespace
}  // namespace trevosk::e2e
