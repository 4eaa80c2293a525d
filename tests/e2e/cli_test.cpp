// The command line, run as a user would: exact standard output, standard
// error and exit status for every way the option parser can end the program.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e_util.h"

namespace trevosk::e2e {
namespace {

using Words = std::vector<std::string>;

std::string unknown(const std::string& word) {
  return "trevosk: unknown option `" + word + "'.\n" + std::string(kUsage);
}
std::string needs_argument(const std::string& option) {
  return "trevosk: option `" + option + "' needs an argument.\n" + std::string(kUsage);
}
std::string wrong_width(const std::string& arg) {
  return "trevosk: wrong argument `" + arg + "'; option `-w' expects an integer.\n" +
         std::string(kUsage);
}

struct Outcome {
  Words words;
  std::string out;
  std::string err;
  int status;
};

void expect_outcomes(const std::vector<Outcome>& cases) {
  for (const Outcome& c : cases) {
    std::string shown;
    for (const std::string& w : c.words) shown += " [" + w.substr(0, 40) + "]";
    SCOPED_TRACE("words:" + shown);
    const RunResult r = run_trevosk(c.words);
    ASSERT_TRUE(r.exited()) << "signal " << r.signal;
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, c.err);
  }
}

// Each run must stop with the fatal-error line of a failed integer
// conversion: nothing on standard output, no usage text.
void expect_fatal(const std::vector<Words>& cases) {
  for (const Words& words : cases) {
    std::string shown;
    for (const std::string& w : words) shown += " [" + w.substr(0, 40) + "]";
    SCOPED_TRACE("words:" + shown);
    const RunResult r = run_trevosk(words);
    EXPECT_TRUE(fatal_error(r));
    EXPECT_EQ(r.out, "");
  }
}

const std::string kBannerText(kBanner);
const std::string kUsageText(kUsage);

TEST(CommandLine, BannerUsageAndParserErrors) {
  expect_outcomes({
      {{"-v"}, kBannerText, "", 0},
      {{"-help"}, kUsageText, "", 0},
      {{"--help"}, kUsageText, "", 0},
      {{"-x"}, "", unknown("-x"), 2},
      {{"-p1"}, "", needs_argument("-p1"), 2},
      {{"-p2"}, "", needs_argument("-p2"), 2},
      {{"-w"}, "", needs_argument("-w"), 2},
      {{"-w", "abc"}, "", wrong_width("abc"), 2},
      {{"-t", "-v"}, kBannerText, "", 0},
      // Option words are matched exactly.
      {{"-V"}, "", unknown("-V"), 2},
      {{"-HELP"}, "", unknown("-HELP"), 2},
      {{"-"}, "", unknown("-"), 2},
      {{"--"}, "", unknown("--"), 2},
      {{"-t1"}, "", unknown("-t1"), 2},
  });
}

TEST(CommandLine, LeftToRightRepeatsAndStrayWords) {
  expect_outcomes({
      // The first word that ends the program decides; later ones are not read.
      {{"-v", "-x"}, kBannerText, "", 0},
      {{"-v", "-p1"}, kBannerText, "", 0},
      {{"-x", "-v"}, "", unknown("-x"), 2},
      {{"-help", "-x"}, kUsageText, "", 0},
      {{"-x", "-help"}, "", unknown("-x"), 2},
      {{"-p1", "3", "-w", "9", "-v"}, kBannerText, "", 0},
      // Repeats are allowed; the last value counts, but each is checked.
      {{"-t", "-t", "-r", "-r", "-n", "-n", "-v"}, kBannerText, "", 0},
      {{"-w", "5", "-w", "abc"}, "", wrong_width("abc"), 2},
      {{"-p1", "3", "-p1", "4", "-p2", "5", "-p2", "human", "-v"}, kBannerText, "", 0},
      // Stray words are ignored, except directly after -p1, -p2 or -w.
      {{"stray", "-v"}, kBannerText, "", 0},
      {{"human", "words", "-x"}, "", unknown("-x"), 2},
      {{"-p1", "human", "-x"}, "", unknown("-x"), 2},
      {{"-t", "x", "-w", "2", "y", "-v", "z"}, kBannerText, "", 0},
      // An option's argument is the next word, whatever it looks like.
      {{"-w", "-t"}, "", wrong_width("-t"), 2},
      {{"-w", "-v"}, "", wrong_width("-v"), 2},
      {{"-w", "-help"}, "", wrong_width("-help"), 2},
      {{"-w", "-w", "3"}, "", wrong_width("-w"), 2},
      {{"-t", "-w"}, "", needs_argument("-w"), 2},
      {{"-p1", "3", "-p2"}, "", needs_argument("-p2"), 2},
  });
}

TEST(CommandLine, SeatArgumentThatIsNoIntegerIsFatal) {
  expect_fatal({
      {"-p1", "Human"},
      {"-p2", "HUMAN"},
      {"-p1", "human", "-p2", "x"},
      {"-p1", "3.5"},
      {"-p2", "8 "},
      // Fatal at once: later words, even -v or an unknown option, are not read.
      {"-p1", "Human", "-v"},
      {"-p1", "Human", "-x"},
      // The argument is the next word even when it is an option.
      {"-p1", "-v"},
      {"-p2", "-t"},
      {"-p1", "-p2", "3"},
  });
}

TEST(CommandLine, ErrorLinesNameTheProgramAsInvoked) {
  const RunResult r = run_process(trevosk_path(), {"./some dir/kt", "-x"}, "");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "./some dir/kt: unknown option `-x'.\n" + kUsageText);
  // An empty name is no name: the program names itself.
  const RunResult w = run_process(trevosk_path(), {"", "-w", "q"}, "");
  EXPECT_EQ(w.status, 2);
  EXPECT_EQ(w.err, "trevosk: wrong argument `q'; option `-w' expects an integer.\n" + kUsageText);
}

TEST(BadArguments, EmptyWords) {
  expect_outcomes({
      {{"", "-v"}, kBannerText, "", 0},
      {{"", "", "-x", ""}, "", unknown("-x"), 2},
      {{"-w", ""}, "", wrong_width(""), 2},
      {{"-w", "", "-v"}, "", wrong_width(""), 2},
  });
  expect_fatal({{"-p1", ""}, {"-p2", "", "-v"}});
}

TEST(BadArguments, VeryLongWords) {
  const std::string x(100'000, 'x'), nines(100'000, '9'), ones(100'000, '1');
  expect_outcomes({
      {{"-" + x}, "", unknown("-" + x), 2},
      {{"-w", nines}, "", wrong_width(nines), 2},
      {{"-w", "-" + nines}, "", wrong_width("-" + nines), 2},
      {{x, "-v"}, kBannerText, "", 0},
  });
  expect_fatal({{"-p1", ones}, {"-p2", "-" + nines}});
}

TEST(BadArguments, HugeNumbersFailInsteadOfWrapping) {
  expect_outcomes({
      {{"-w", "99999999999999999999"}, "", wrong_width("99999999999999999999"), 2},
      {{"-w", "2147483648"}, "", wrong_width("2147483648"), 2},
      {{"-w", "-2147483649"}, "", wrong_width("-2147483649"), 2},
      // 2 to the power 32, plus 5: would wrap to 5.
      {{"-w", "4294967301"}, "", wrong_width("4294967301"), 2},
      {{"-w", "18446744073709551621"}, "", wrong_width("18446744073709551621"), 2},
      // The int's own limits convert; -v then shows that parsing went on.
      {{"-w", "2147483647", "-v"}, kBannerText, "", 0},
      {{"-w", "-2147483648", "-v"}, kBannerText, "", 0},
      {{"-p1", "2147483647", "-p2", "-2147483648", "-v"}, kBannerText, "", 0},
  });
  expect_fatal({{"-p1", "-2147483649"},
                {"-p1", "2147483648"},
                {"-p2", "4294967297"},
                {"-p2", "99999999999999999999"}});
}

TEST(BadArguments, SignedNumbers) {
  expect_outcomes({
      {{"-w", "+5", "-v"}, kBannerText, "", 0},
      {{"-w", "-3", "-v"}, kBannerText, "", 0},
      {{"-p2", "-3", "-v"}, kBannerText, "", 0},
      {{"-p1", "+0", "-v"}, kBannerText, "", 0},
      {{"-w", "+"}, "", wrong_width("+"), 2},
      {{"-w", "-"}, "", wrong_width("-"), 2},
      {{"-w", "+-5"}, "", wrong_width("+-5"), 2},
      {{"-w", "--5"}, "", wrong_width("--5"), 2},
      {{"-w", " 5"}, "", wrong_width(" 5"), 2},
      {{"-w", "5x"}, "", wrong_width("5x"), 2},
  });
  expect_fatal({{"-p1", "--3"}, {"-p2", "+"}, {"-p1", "-"}});
}

TEST(BadArguments, NonAsciiBytes) {
  expect_outcomes({
      {{"-\xff\xfe"}, "", unknown("-\xff\xfe"), 2},
      {{"-\t\r\n"}, "", unknown("-\t\r\n"), 2},
      {{"-w", "\xc3\xa9"}, "", wrong_width("\xc3\xa9"), 2},
      // A full-width digit five is no decimal digit.
      {{"-w", "\xef\xbc\x95"}, "", wrong_width("\xef\xbc\x95"), 2},
      {{"\xe2\x82\xac", "\x80", "-v"}, kBannerText, "", 0},
  });
  expect_fatal({{"-p1", "\x80"}, {"-p2", "\xef\xbc\x93"}});
}

TEST(BadArguments, HundredsOfWords) {
  Words many;
  for (int i = 0; i < 200; ++i)
    many.insert(many.end(), {"-t", "-n", "-r", "-w", "5", "stray", "-p1", "3", "-p2", "human"});
  Words banner = many, unknown_last = many, missing = many;
  banner.push_back("-v");
  unknown_last.push_back("-bogus");
  missing.push_back("-p2");
  expect_outcomes({
      {banner, kBannerText, "", 0},
      {unknown_last, "", unknown("-bogus"), 2},
      {missing, "", needs_argument("-p2"), 2},
  });
}

// With an empty argument vector there are no options, so the program goes
// for a window game; without a display it ends with its one-line message,
// naming itself "trevosk". (Linux hands such a program the one word "".)
TEST(BadArguments, NoArgumentVectorAtAll) {
  RunOptions no_display;
  no_display.unset_env = {"DISPLAY", "WAYLAND_DISPLAY"};
  no_display.set_env = {"SDL_VIDEODRIVER=none"};
  no_display.deadline_seconds = 120;
  const RunResult r = run_process(trevosk_path(), {}, "", no_display);
  ASSERT_TRUE(r.exited()) << "signal " << r.signal << (r.timed_out ? ", timed out" : "");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err.rfind("trevosk: ", 0), 0u) << r.err;
  EXPECT_NE(r.err.find("-t"), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

}  // namespace
}  // namespace trevosk::e2e
