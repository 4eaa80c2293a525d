#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/settings.h"

namespace trevosk {
namespace {

const std::string kUsage =
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

CommandLineResult parse(const std::vector<std::string>& words) {
  return parse_command_line("trevosk", words);
}

// The settings a game would run with: parsed, then corrected.
Settings run_with(const std::vector<std::string>& words) {
  CommandLineResult r = parse(words);
  EXPECT_TRUE(r.run) << r.err;
  EXPECT_EQ(r.out + r.err, "");
  correct_settings(r.settings);
  return r.settings;
}

bool fatal(const CommandLineResult& r) {
  return !r.run && r.status == 2 && r.out.empty() &&
         r.err.rfind("Fatal error: exception ", 0) == 0 && r.err.back() == '\n' &&
         r.err.find('\n') == r.err.size() - 1;
}

// Catches a wrong default, a correction applied in the wrong order or to
// the wrong player, and a level that forgets to force its width.
TEST(CommandLine, DefaultsAndCorrections) {
  const Settings d = run_with({});
  EXPECT_EQ(d.think_width[1], 10);
  EXPECT_EQ(d.think_width[2], 10);
  EXPECT_FALSE(d.text_mode);
  EXPECT_FALSE(d.random_assist);
  EXPECT_TRUE(d.use_joseki);
  EXPECT_TRUE(d.is_com[1] && d.is_com[2]);
  EXPECT_EQ(d.level[1], 8);
  EXPECT_EQ(d.level[2], 8);

  for (const char* level : {"0", "9", "-3", "-2147483648", "2147483647"})
    EXPECT_EQ(run_with({"-p1", level}).level[1], 8) << level;
  const Settings s6 = run_with({"-w", "20", "-p2", "6"});
  EXPECT_EQ(s6.level[2], 6);
  EXPECT_EQ(s6.think_width[2], 4);
  EXPECT_EQ(s6.think_width[1], 20);
  const Settings s7 = run_with({"-w", "20", "-p1", "7"});
  EXPECT_EQ(s7.think_width[1], 7);
  EXPECT_EQ(s7.think_width[2], 20);
  EXPECT_EQ(run_with({"-p1", "7", "-w", "0"}).think_width[1], 7);  // width first, then level
  EXPECT_EQ(run_with({"-p1", "9", "-w", "50"}).think_width[1], 50);
  EXPECT_EQ(run_with({"-w", "1"}).think_width[1], 1);
  EXPECT_EQ(run_with({"-w", "99"}).think_width[2], 99);
  for (const char* width : {"0", "100", "-5", "2147483647"}) {
    EXPECT_EQ(run_with({"-w", width}).think_width[1], 4) << width;
    EXPECT_EQ(run_with({"-w", width}).think_width[2], 4) << width;
  }
}

// Catches options looked up loosely, a seat made a computer again by a
// later number, stray words not ignored, and an argument not taken when it
// begins with "-".
TEST(CommandLine, OptionsInOrder) {
  const Settings f = run_with({"-t", "-r", "-n", "-p2", "3", "-p2", "5"});
  EXPECT_TRUE(f.text_mode && f.random_assist && !f.use_joseki);
  EXPECT_EQ(f.level[2], 5);

  for (const auto& words : {std::vector<std::string>{"-p1", "human", "-p1", "3"},
                            std::vector<std::string>{"-p1", "3", "-p1", "human"}}) {
    const Settings h = run_with(words);
    EXPECT_FALSE(h.is_com[1]);
    EXPECT_TRUE(h.is_com[2]);
    EXPECT_EQ(h.level[1], 3);
  }
  EXPECT_FALSE(run_with({"-p2", "human"}).is_com[2]);

  const Settings stray = run_with({"stray", "-t", "8", "", "human", "-n", "ü"});
  EXPECT_TRUE(stray.text_mode && !stray.use_joseki);
  EXPECT_EQ(stray.level[1], 8);

  EXPECT_EQ(run_with({"-p2", "-5"}).level[2], 8);
  const CommandLineResult w = parse({"-w", "-t"});
  EXPECT_FALSE(w.run);
  EXPECT_EQ(w.status, 2);
  EXPECT_EQ(w.err, "trevosk: wrong argument `-t'; option `-w' expects an integer.\n" + kUsage);
  EXPECT_TRUE(fatal(parse({"-p1", "-t"})));
  EXPECT_TRUE(fatal(parse({"-p1", "-v"})));
}

// Catches a wrong text or stream, a wrong status, a parser that reads on
// past "-v", and a failed seat conversion treated as a parser error.
TEST(CommandLine, EndingBeforeTheGame) {
  for (const auto& words : {std::vector<std::string>{"-v"}, std::vector<std::string>{"-t", "-v"},
                            std::vector<std::string>{"-v", "-x", "-p1"}}) {
    const CommandLineResult r = parse(words);
    EXPECT_FALSE(r.run);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Kalvon Trevosk 1.0 r.temmo\n");
    EXPECT_EQ(r.err, "");
  }
  EXPECT_EQ(usage_text(), kUsage);
  for (const char* help : {"-help", "--help"}) {
    const CommandLineResult r = parse({"-t", help, "-x"});
    EXPECT_FALSE(r.run);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, kUsage);
    EXPECT_EQ(r.err, "");
  }

  struct Error {
    std::vector<std::string> words;
    std::string line;
  };
  const Error errors[] = {
      {{"-x"}, "trevosk: unknown option `-x'.\n"},
      {{"-t", "-"}, "trevosk: unknown option `-'.\n"},
      {{"-T"}, "trevosk: unknown option `-T'.\n"},
      {{"-x", "-v"}, "trevosk: unknown option `-x'.\n"},
      {{"-p1"}, "trevosk: option `-p1' needs an argument.\n"},
      {{"-t", "-w"}, "trevosk: option `-w' needs an argument.\n"},
      {{"-w", "abc"}, "trevosk: wrong argument `abc'; option `-w' expects an integer.\n"},
      {{"-w", ""}, "trevosk: wrong argument `'; option `-w' expects an integer.\n"},
      {{"-w", "99999999999999999999"},
       "trevosk: wrong argument `99999999999999999999'; option `-w' expects an integer.\n"},
      {{"-w", "2147483648"},
       "trevosk: wrong argument `2147483648'; option `-w' expects an integer.\n"},
  };
  for (const Error& e : errors) {
    const CommandLineResult r = parse(e.words);
    EXPECT_FALSE(r.run) << e.line;
    EXPECT_EQ(r.status, 2) << e.line;
    EXPECT_EQ(r.out, "") << e.line;
    EXPECT_EQ(r.err, e.line + kUsage);
  }
  EXPECT_EQ(parse_command_line("./build/trevosk", std::vector<std::string>{"-q"}).err,
            "./build/trevosk: unknown option `-q'.\n" + kUsage);

  for (const char* seat : {"Human", "HUMAN", "human ", "", "abc", "3x", "99999999999", "1e3"}) {
    EXPECT_TRUE(fatal(parse({"-p1", seat}))) << seat;
    EXPECT_TRUE(fatal(parse({"-p2", seat}))) << seat;
  }
}

// The integer spellings the options accept: an optional sign and decimal
// digits that fit an int, nothing else.
TEST(CommandLine, IntegerSpellings) {
  struct Case {
    const char* word;
    bool ok;
    int value;
  };
  const Case cases[] = {
      {"0", true, 0},
      {"7", true, 7},
      {"-0", true, 0},
      {"+7", true, 7},
      {"-7", true, -7},
      {"007", true, 7},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, -2147483647 - 1},
      {"2147483648", false, 0},
      {"-2147483649", false, 0},
      {"", false, 0},
      {"-", false, 0},
      {"+", false, 0},
      {" 7", false, 0},
      {"7 ", false, 0},
      {"0x10", false, 0},
      {"1.5", false, 0},
      {"--7", false, 0},
      {"٣", false, 0},
      {"18446744073709551623", false, 0},
  };
  for (const Case& c : cases) {
    int v = 0;
    EXPECT_EQ(parse_int(c.word, v), c.ok) << '"' << c.word << '"';
    if (c.ok) {
      EXPECT_EQ(v, c.value) << c.word;
    }
  }
}

}  // namespace
}  // namespace trevosk
