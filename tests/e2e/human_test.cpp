// Human seats in text mode, driven by scripted standard input: what each
// typed line does, shown by the echo lines and the move lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>

#include "e2e_util.h"
#include "game/notation.h"
#include "rules/legal_moves.h"

namespace trevosk::e2e {
namespace {

const std::vector<std::string> kTwoHumans = {"-t", "-p1", "human", "-p2", "human"};

std::string echo(int x, int y, int piece, int rot) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "Input> %d %d %d %d", x, y, piece, rot);
  return buf;
}

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
      // Turn 4, player 1: a last line without a line end.
      "79c0";
  const RunResult r = run_trevosk(kTwoHumans, input);
  EXPECT_TRUE(fatal_error(r));
  EXPECT_TRUE(consistent_game(r.out, false));
  const std::vector<std::string> expected = {
      echo(99, 99, 99, 99),
      echo(99, 99, 99, 99),
      echo(99, 99, 99, 99),
      echo(4, 4, 0, 8),
      echo(7, -17, -9, 10),
      echo(14, 4, 0, 0),
      echo(-1, 4, 0, 0),
      echo(4, 4, 21, 0),
      echo(4, 4, 0, -35),
      echo(9, 9, 0, 0),
      echo(-99, 32, 24, 35),
      "Player 1 passes [----]",
      echo(9, 9, 1, 0),
      "Player 2 plays [AAb0]",
      "Player 2 plays [AAb0]",
      echo(8, 8, 0, 0),
      echo(4, 4, 0, 0),
      "Player 1 plays [55a0]",
      "Player 1 plays [55a0]",
      echo(9, 9, 0, 0),
      echo(9, 11, 0, 0),
      echo(13, 0, 0, 0),
      echo(13, 0, 0, 0),
      echo(10, 11, 0, 0),
      "Player 2 plays [BCa0]",
      "Player 2 plays [BCa0]",
      echo(5, 5, 0, 0),
      echo(5, 5, 1, 0),
      "Player 1 plays [66b0]",
      "Player 1 plays [66b0]",
      echo(-99, -99, -20, -98),
      "Player 2 passes [----]",
      echo(6, 8, 2, 0),
      "Player 1 plays [79c0]",
      "Player 1 plays [79c0]",
      "Input> ",  // player 2 is asked, and the input has ended
  };
  EXPECT_EQ(entry_and_move_lines(r.out), expected);
}

TEST(HumanEntry, EndOfInputIsFatal) {
  struct Case {
    std::vector<std::string> words;
    std::string input;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {kTwoHumans, "", {"Input> "}},
      // A last line of two characters is still read as a line.
      {kTwoHumans,
       "----\n55",
       {echo(-99, -99, -20, -98), "Player 1 passes [----]", echo(99, 99, 99, 99), "Input> "}},
      {{"-t", "-p2", "human", "-p1", "1"},
       "",
       {"Player 1 plays [66t0]", "Player 1 plays [66t0]", "Input> "}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("input: " + c.input);
    const RunResult r = run_trevosk(c.words, c.input);
    EXPECT_TRUE(fatal_error(r));
    EXPECT_TRUE(r.out.ends_with("\nInput> "));
    EXPECT_EQ(entry_and_move_lines(r.out), c.lines);
    EXPECT_TRUE(consistent_game(r.out, false));
  }
}

// Typed passes are no forced passes: the player stays on its first
// placement, is never tested for a pass, and the game runs all 22 turns.
TEST(HumanEntry, TypedPassesRunTheGameToTurn22) {
  std::string passes;
  for (int i = 0; i < 44; ++i) passes += "----\n";
  const RunResult both = run_trevosk(kTwoHumans, passes);
  EXPECT_EQ(both.status, 0);
  EXPECT_EQ(both.err, "");
  EXPECT_TRUE(
      both.out.ends_with("Turn-P2 / P1: 0 P2: 0 (99)\n"
                         "Player1: 0  v.s. Player2: 0  Finished.\n"));
  EXPECT_TRUE(consistent_game(both.out));

  // Against a computer that plays until it is blocked and then passes.
  const RunResult vs_com = run_trevosk({"-t", "-p1", "human", "-p2", "1"}, passes);
  EXPECT_EQ(vs_com.status, 0);
  EXPECT_EQ(vs_com.err, "");
  EXPECT_TRUE(consistent_game(vs_com.out));
  const std::vector<std::string> lines = entry_and_move_lines(vs_com.out);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Player 1 passes [----]"), 22);
  EXPECT_GE(std::count(lines.begin(), lines.end(), "Player 2 passes [----]"), 1);
  EXPECT_TRUE(vs_com.out.find("Player1: 0  v.s. Player2:") != std::string::npos);
}

// Two human seats play a whole game from a script made with the rules core:
// each types a legal move, and nothing at all once blocked, since a blocked
// player must get its pass line instead of a prompt.
TEST(HumanEntry, TwoHumansPlayUntilBothAreBlocked) {
  Board board;
  std::array<PiecesLeft, 3> left{};
  std::array<int, 3> score{};
  std::array<bool, 3> placed{};
  int pass_bits = 0;
  std::string input;
  std::vector<std::string> expected;
  for (int turn = 1; turn <= 22; ++turn) {
    for (int p = 1; p <= 2 && pass_bits < 3; ++p) {
      if (placed[p] && !isexist_legal(p, left[p], board, turn)) {
        pass_bits |= p;
        expected.push_back("Player " + std::to_string(p) + " passes [----]");
        continue;
      }
      const std::vector<Move> moves = make_legal_list(p, left[p], board, placed[p] ? turn : 1);
      const Move m = moves[moves.size() / 2];
      input += move_code(m) + "\n";
      expected.push_back(echo(m.x, m.y, m.piece, m.rot));
      const std::string played = "Player " + std::to_string(p) + " plays [" + move_code(m) + "]";
      expected.insert(expected.end(), {played, played});
      setpiece(m, p, board, left[p], score[p]);
      placed[p] = true;
    }
  }
  ASSERT_EQ(pass_bits, 3);
  const RunResult r = run_trevosk(kTwoHumans, input);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(entry_and_move_lines(r.out), expected);
  char result[64];
  std::snprintf(result, sizeof result, "Player1:%2d  v.s. Player2:%2d  Finished.\n", score[1],
                score[2]);
  EXPECT_TRUE(r.out.ends_with(result));
  EXPECT_TRUE(consistent_game(r.out));
}

}  // namespace
}  // namespace trevosk::e2e
