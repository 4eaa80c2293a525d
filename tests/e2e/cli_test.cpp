// The command line, run as a user would: exact standard output, standard
// error and exit status when the option parser ends the program, also for
// argument vectors no one would type.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>

#include "e2e_util.h"

extern char** environ;

namespace trevosk::e2e {
namespace {

using Words = std::vector<std::string>;
const std::string kBannerText(kBanner), kUsageText(kUsage);
const std::string kFatalLine(kFatal);  // in a table: standard error is one fatal-error line

std::string unknown(const std::string& word) {
  return "trevosk: unknown option `" + word + "'.\n" + kUsageText;
}
std::string needs_argument(const std::string& option) {
  return "trevosk: option `" + option + "' needs an argument.\n" + kUsageText;
}
std::string wrong_width(const std::string& arg) {
  return "trevosk: wrong argument `" + arg + "'; option `-w' expects an integer.\n" + kUsageText;
}

struct Outcome {
  Words words;
  std::string out, err;
  int status;
};

void expect_outcomes(const std::vector<Outcome>& cases) {
  for (const Outcome& c : cases) {
    std::string shown;
    for (const std::string& w : c.words) shown += " [" + w.substr(0, 20) + "]";
    SCOPED_TRACE("words:" + shown.substr(0, 200));
    const RunResult r = run_trevosk(c.words);
    ASSERT_EQ(r.signal, 0);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.out, c.out);
    if (c.err == kFatalLine)
      EXPECT_TRUE(fatal_error(r));
    else
      EXPECT_EQ(r.err, c.err);
  }
}

TEST(CommandLine, BannerUsageAndParserErrors) {
  expect_outcomes({
      {{"-v"}, kBannerText, "", 0},
      {{"-help"}, kUsageText, "", 0},
      {{"--help"}, kUsageText, "", 0},
      {{"-x"}, "", unknown("-x"), 2},
      {{"-t", "-p1"}, "", needs_argument("-p1"), 2},
      {{"-w", "abc"}, "", wrong_width("abc"), 2},
      {{"-w"}, "", needs_argument("-w"), 2},
      {{"-p1", "Human"}, "", kFatalLine, 2},  // a seat's argument is human or an integer
      {{"-t", "-v"}, kBannerText, "", 0},
  });
}

TEST(BadArguments, EachEndsAsExpected) {
  const std::string x(100'000, 'x'), nines(100'000, '9'), ones(100'000, '1');
  Words many, many_bogus;
  for (int i = 0; i < 200; ++i)
    many.insert(many.end(), {"-t", "-n", "-r", "-w", "5", "stray", "-p1", "3", "-p2", "human"});
  many_bogus = many;
  many.push_back("-v");
  many_bogus.push_back("-bogus");
  expect_outcomes({
      // Empty words.
      {{"", "-v"}, kBannerText, "", 0},
      {{"-w", ""}, "", wrong_width(""), 2},
      {{"-p2", ""}, "", kFatalLine, 2},
      // Very long words.
      {{"-" + x}, "", unknown("-" + x), 2},
      {{x, "-v"}, kBannerText, "", 0},
      {{"-w", nines}, "", wrong_width(nines), 2},
      {{"-p1", ones}, "", kFatalLine, 2},
      // Numbers past the int's range fail to convert instead of wrapping
      // (to 5 and 1 here); the limits themselves convert.
      {{"-w", "99999999999999999999"}, "", wrong_width("99999999999999999999"), 2},
      {{"-w", "4294967301"}, "", wrong_width("4294967301"), 2},
      {{"-p2", "4294967297"}, "", kFatalLine, 2},
      {{"-w", "2147483647", "-p1", "-2147483648", "-v"}, kBannerText, "", 0},
      // Signs.
      {{"-w", "+5", "-p2", "-3", "-v"}, kBannerText, "", 0},
      {{"-w", "+-5"}, "", wrong_width("+-5"), 2},
      {{"-p1", "--3"}, "", kFatalLine, 2},
      // Bytes that are no ASCII; a full-width digit five is no digit.
      {{"-\xff\xfe"}, "", unknown("-\xff\xfe"), 2},
      {{"-w", "\xef\xbc\x95"}, "", wrong_width("\xef\xbc\x95"), 2},
      {{"\xe2\x82\xac", "\x80", "-v"}, kBannerText, "", 0},
      {{"-p1", "\x80"}, "", kFatalLine, 2},
      // Hundreds of words.
      {many, kBannerText, "", 0},
      {many_bogus, "", unknown("-bogus"), 2},
  });
}

// With an empty argument vector there are no options, so the program goes
// for a window game; without a display it ends with its one-line message,
// naming itself "trevosk".
TEST(BadArguments, NoArgumentVectorAtAll) {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    const std::string entry(*e);
    if (!entry.starts_with("DISPLAY=") && !entry.starts_with("WAYLAND_DISPLAY=") &&
        !entry.starts_with("SDL_VIDEODRIVER="))
      env.push_back(entry);
  }
  const RunResult r = run_process({}, "", &env);
  ASSERT_EQ(r.signal, 0);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_TRUE(r.err.starts_with("trevosk: ")) << r.err;
  EXPECT_NE(r.err.find("no display"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("-t"), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

}  // namespace
}  // namespace trevosk::e2e
