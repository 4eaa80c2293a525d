// Human seats in text mode, driven by scripted standard input: what each
// typed line does, shown by the echo lines and the move lines.
#include <gtest/gtest.h>

#include "e2e_util.h"

namespace trevosk::e2e {
namespace {

TEST(HumanEntry, ScriptedLinesAndWhatTheyDo) {
  const std::string input =
      // Turn 1, player 1: nothing here is a placement.
      "\n"       // empty line
      "-\n"      // a minus sign alone is too short for a pass
      "55a\n"    // three characters
      "55a8\n"   // orientation 8
      "8 8a0\n"  // a blank as the row
      "F5a0\n"   // column 14
      "05a0\n"   // column -1
      "55v0\n"   // piece 21
      "55a\r\n"  // the carriage return is the fourth character
      "AAa0\n"   // the opponent's start square, not its own
      "-xyz\n"   // a minus sign first: a pass
      // Turn 1, player 2: lower-case column letters, an upper-case piece.
      "aaB0\n"
      // Turn 2, player 1, after its pass still held to its first placement:
      "99a0\n"    // touches player 2 at a corner only: refused
      "55a0\r\n"  // covers its start square: placed
      // Turn 2, player 2.
      "AAa0\n"  // on its own square
      "ACa0\n"  // edge to edge with its own square
      "e1a0\n"  // no corner contact, in either case
      "E1a0\n"
      "BCa0 and more\n"  // characters after the fourth are ignored
      // Turn 3.
      "66a0\n"  // the monomino again, on a free corner square
      "66B0\n"  // the domino there
      "----\n"  // player 2 passes
      // Turn 4.
      "79c0\n"
      "EBq1";  // on the last column, in a last line without a line end
  const RunResult r = run_trevosk(kTwoHumans, input);
  EXPECT_TRUE(fatal_error(r));
  EXPECT_TRUE(consistent_game(r.out, false));
  const std::vector<std::string> expected = {
      "Input> 99 99 99 99",
      "Input> 99 99 99 99",
      "Input> 99 99 99 99",
      "Input> 4 4 0 8",
      "Input> 7 -17 -9 10",
      "Input> 14 4 0 0",
      "Input> -1 4 0 0",
      "Input> 4 4 21 0",
      "Input> 4 4 0 -35",
      "Input> 9 9 0 0",
      "Input> -99 32 24 35",
      "Player 1 passes [----]",
      "Input> 9 9 1 0",
      "Player 2 plays [AAb0]",
      "Player 2 plays [AAb0]",
      "Input> 8 8 0 0",
      "Input> 4 4 0 0",
      "Player 1 plays [55a0]",
      "Player 1 plays [55a0]",
      "Input> 9 9 0 0",
      "Input> 9 11 0 0",
      "Input> 13 0 0 0",
      "Input> 13 0 0 0",
      "Input> 10 11 0 0",
      "Player 2 plays [BCa0]",
      "Player 2 plays [BCa0]",
      "Input> 5 5 0 0",
      "Input> 5 5 1 0",
      "Player 1 plays [66b0]",
      "Player 1 plays [66b0]",
      "Input> -99 -99 -20 -98",
      "Player 2 passes [----]",
      "Input> 6 8 2 0",
      "Player 1 plays [79c0]",
      "Player 1 plays [79c0]",
      "Input> 13 10 16 1",
      "Player 2 plays [EBq1]",
      "Player 2 plays [EBq1]",
      "Input> ",  // player 1 is asked, and the input has ended
  };
  EXPECT_EQ(entry_and_move_lines(r.out), expected);
}

}  // namespace
}  // namespace trevosk::e2e
