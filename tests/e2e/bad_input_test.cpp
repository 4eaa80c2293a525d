// Hostile standard input for a human seat: every byte value in every code
// position, blank lines, carriage returns and lines of megabytes. The
// program must echo what the bytes decode to, keep the game consistent and
// end only by the input running out.
#include <gtest/gtest.h>

#include <cstdio>

#include "e2e_util.h"

namespace trevosk::e2e {
namespace {

// Decoding of one typed byte, as an unsigned value: a coordinate (and, plus
// one, the orientation) and the piece.
int coord(unsigned char c) { return c == '-' ? -99 : c < 59 ? c - 49 : c < 75 ? c - 56 : c - 88; }
int piece(unsigned char c) { return c < 95 ? c - 65 : c - 97; }

std::string echo_of(const std::string& line) {
  if (line.size() < 4) return "Input> 99 99 99 99";
  const auto* c = reinterpret_cast<const unsigned char*>(line.data());
  char buf[64];
  std::snprintf(buf, sizeof buf, "Input> %d %d %d %d", coord(c[0]), coord(c[1]), piece(c[2]),
                coord(c[3]) + 1);
  return buf;
}

// Lines that are all refused (or too short), then the end of the input:
// every line is echoed, nothing is placed, and the end is fatal.
TEST(BadInput, EveryByteBlankLinesAndCarriageReturns) {
  using namespace std::string_literals;
  std::vector<std::string> lines = {"",         " ",     "    ",   "\t\t\t\t", "\0\0\0\0"s, "\r",
                                    "\r\r\r\r", "55a\r", "\r55a0", " 55a0",    "5 5a0"};
  // "~" decodes to 38, out of range, so no line here can place a piece.
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    if (c == '\n') continue;
    if (c != '-') lines.push_back(std::string(1, c) + "~a0");
    lines.push_back(std::string("~") + c + "a0");
    lines.push_back(std::string("~~") + c + "0");
    lines.push_back(std::string("~~a") + c);
  }
  std::string input;
  std::vector<std::string> expected;
  for (const std::string& l : lines) {
    input += l + "\n";
    expected.push_back(echo_of(l));
  }
  expected.push_back("Input> ");
  const RunResult r = run_trevosk(kTwoHumans, input);
  EXPECT_TRUE(fatal_error(r));
  EXPECT_EQ(entry_and_move_lines(r.out), expected);
  EXPECT_TRUE(consistent_game(r.out, false));
}

// Lines of megabytes: junk, NUL bytes, a move followed by junk, and a pass
// followed by junk without a line end.
TEST(BadInput, LinesOfMegabytes) {
  const std::string junk(4 << 20, 'x'), nul(3 << 20, '\0');
  const std::string input = junk + "\n" + nul + "\n" + "55a0" + junk + "\n" + "-" + junk;
  const RunResult r = run_trevosk(kTwoHumans, input);
  EXPECT_TRUE(fatal_error(r));
  EXPECT_TRUE(consistent_game(r.out, false));
  const std::vector<std::string> expected = {
      echo_of(junk),           echo_of(nul),    echo_of("55a0"),          "Player 1 plays [55a0]",
      "Player 1 plays [55a0]", echo_of("-xxx"), "Player 2 passes [----]", "Input> ",
  };
  EXPECT_EQ(entry_and_move_lines(r.out), expected);
}

}  // namespace
}  // namespace trevosk::e2e
