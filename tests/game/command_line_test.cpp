#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "game/settings.h"

namespace trevosk {
namespace {

using Words = std::vector<std::string>;

CommandLineResult parse(const Words& words) { return parse_command_line("trevosk", words); }

// The settings a game would run with: parsed, then corrected.
Settings run_with(const Words& words) {
  CommandLineResult r = parse(words);
  EXPECT_TRUE(r.run && r.out.empty() && r.err.empty()) << r.err;
  correct_settings(r.settings);
  return r.settings;
}

// Catches wrong defaults or corrections, and option words read in the wrong order.
TEST(CommandLine, SettingsAfterCorrection) {
  // Words; player 1 a computer; levels; widths.
  const std::tuple<Words, bool, int, int, int, int> cases[] = {
      {{}, true, 8, 8, 10, 10},
      {{"-p1", "0"}, true, 8, 8, 10, 10},
      {{"-p1", "9"}, true, 8, 8, 10, 10},
      {{"-p1", "-3"}, true, 8, 8, 10, 10},
      {{"-p2", "-5"}, true, 8, 8, 10, 10},
      {{"-w", "20", "-p2", "6"}, true, 8, 6, 20, 4},
      {{"-w", "20", "-p1", "7"}, true, 7, 8, 7, 20},
      {{"-p1", "7", "-w", "0"}, true, 7, 8, 7, 4},  // the width first, then the level
      {{"-w", "1"}, true, 8, 8, 1, 1},
      {{"-w", "0"}, true, 8, 8, 4, 4},
      {{"-w", "100"}, true, 8, 8, 4, 4},
      {{"-w", "99"}, true, 8, 8, 99, 99},
      {{"-w", "98"}, true, 8, 8, 98, 98},
      {{"-w", "2"}, true, 8, 8, 2, 2},
      {{"-p1", "human", "-p1", "3"}, false, 3, 8, 10, 10},
      {{"-p1", "3", "-p1", "human"}, false, 3, 8, 10, 10},
      {{"stray", "8", "", "human", "-p2", "5"}, true, 8, 5, 10, 10},
  };
  for (const auto& [words, com1, level1, level2, width1, width2] : cases) {
    const Settings s = run_with(words);
    EXPECT_EQ(std::tuple(s.is_com[1], s.is_com[2], s.level[1], s.level[2], s.think_width[1],
                         s.think_width[2]),
              std::tuple(com1, true, level1, level2, width1, width2))
        << ::testing::PrintToString(words);
  }
  const Settings d = run_with({});
  EXPECT_FALSE(d.text_mode || d.random_assist || !d.use_joseki);
  const Settings f = run_with({"x", "-t", "-r", "-n"});
  EXPECT_TRUE(f.text_mode && f.random_assist && !f.use_joseki);
  EXPECT_FALSE(run_with({"-p2", "human"}).is_com[2]);
}

// Catches an argument beginning with "-" read as an option, or a wrong error or status.
TEST(CommandLine, Failures) {
  const CommandLineResult w = parse({"-w", "-t"});
  EXPECT_FALSE(w.run);
  EXPECT_EQ(w.status, 2);
  EXPECT_EQ(w.out, "");
  EXPECT_EQ(w.err,
            "trevosk: wrong argument `-t'; option `-w' expects an integer.\n" + usage_text());
  EXPECT_EQ(parse({"-w", "99999999999999999999"}).status, 2);  // too large for an int
  for (const Words& words :
       {Words{"-p1", "-t"}, Words{"-p2", "99999999999"}, Words{"-p1", "Human"}}) {
    const CommandLineResult r = parse(words);
    EXPECT_FALSE(r.run);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.starts_with("Fatal error: exception ")) << r.err;
  }
}

// Catches an integer spelling accepted beyond an optional sign and digits that fit an int.
TEST(CommandLine, IntegerSpellings) {
  const std::pair<const char*, int> good[] = {{"0", 0},
                                              {"-0", 0},
                                              {"+7", 7},
                                              {"-7", -7},
                                              {"007", 7},
                                              {"2147483647", 2147483647},
                                              {"-2147483648", -2147483647 - 1}};
  for (auto [word, value] : good) {
    int v = 1;
    EXPECT_TRUE(parse_int(word, v)) << word;
    EXPECT_EQ(v, value) << word;
  }
  for (const char* word : {"2147483648", "-2147483649", "", "-", "+", " 7", "7 ", "0x10", "1.5",
                           "--7", "18446744073709551623"}) {
    int v = 0;
    EXPECT_FALSE(parse_int(word, v)) << '"' << word << '"';
  }
}

}  // namespace
}  // namespace trevosk
