// TREVOSK_SEED: the values taken as seeds and the ones refused with their
// one-line message.
#include "game/environment_seed.h"

#include <gtest/gtest.h>

namespace trevosk {
namespace {

TEST(EnvironmentSeed, UnsetKeepsTheSystemSeed) {
  const EnvironmentSeed s = seed_from_environment(nullptr);
  EXPECT_TRUE(s.ok);
  EXPECT_FALSE(s.seed.has_value());
}

TEST(EnvironmentSeed, DecimalNumbersUpToTheLargest64BitValue) {
  const std::pair<const char*, uint64_t> cases[] = {
      {"0", 0},
      {"7", 7},
      {"007", 7},
      {"4294967296", 4294967296ULL},
      {"18446744073709551615", 18446744073709551615ULL},
  };
  for (const auto& [text, value] : cases) {
    SCOPED_TRACE(text);
    const EnvironmentSeed s = seed_from_environment(text);
    EXPECT_TRUE(s.ok);
    EXPECT_EQ(s.seed, value);
  }
}

TEST(EnvironmentSeed, AnythingElseIsRefusedWithTheValueShown) {
  for (const char* text : {"", "abc", "+7", "-7", " 7", "7 ", "0x10", "1e3", "7.0",
                           "18446744073709551616", "99999999999999999999"}) {
    SCOPED_TRACE(text);
    const EnvironmentSeed s = seed_from_environment(text);
    EXPECT_FALSE(s.ok);
    EXPECT_EQ(s.error,
              std::string("TREVOSK_SEED must be an unsigned 64-bit decimal number, not \"") + text +
                  "\"");
  }
  // A line end or a backslash in the value is escaped: the message stays one line.
  EXPECT_EQ(seed_from_environment("7\n8\\").error,
            "TREVOSK_SEED must be an unsigned 64-bit decimal number, not \"7\\x0a8\\x5c\"");
}

}  // namespace
}  // namespace trevosk
