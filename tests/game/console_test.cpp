#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "game/console_display.h"
#include "game/console_entry.h"
#include "game/fatal_error.h"
#include "game/notation.h"
#include "rules/pieces.h"

namespace trevosk {
namespace {

// Catches a wrong coordinate character, a code not decoding back, odd bytes mis-decoded.
TEST(Notation, CodesAndDecoding) {
  std::string coords;
  for (int n = 0; n < kBoardSize; ++n) coords += loc(n);
  EXPECT_EQ(coords, "123456789ABCDE");
  EXPECT_EQ(move_code(make_move(5, 5, 19, 0)), "66t0");
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      for (int piece = 0; piece < kPieceCount; ++piece)
        for (int rot = 0; rot < kOrientations; ++rot) {
          const std::string c = move_code(make_move(x, y, piece, rot));
          ASSERT_EQ(c.size(), 4u);
          const auto* b = reinterpret_cast<const unsigned char*>(c.data());
          ASSERT_EQ(make_move(dec(b[0]), dec(b[1]), dec2(b[2]), dec(b[3]) + 1),
                    make_move(x, y, piece, rot));
        }
  const std::pair<unsigned char, int> coord[] = {{'-', -99}, {'a', 9},   {'e', 13},   {'0', -1},
                                                 {':', 9},   {'K', -13}, {'\r', -36}, {255, 167}};
  for (auto [c, v] : coord) EXPECT_EQ(dec(c), v) << int(c);
  const std::pair<unsigned char, int> pieces[] = {
      {'A', 0}, {'u', 20}, {'^', 29}, {'_', -2}, {0, -65}};
  for (auto [c, v] : pieces) EXPECT_EQ(dec2(c), v) << int(c);
}

// Catches a wrong frame, cell, tray or score padding, or a move line written the wrong times.
TEST(ConsoleDisplay, LinesOfAPosition) {
  Board b;
  b.set_square(9, 9, Cell::Owned1);
  b.set_square(13, 0, Cell::Owned2);
  std::ostringstream out;
  draw_txt(out, b);
  draw_pieces_txt(out, PiecesLeft(), 1);
  draw_pieces_txt(out, PiecesLeft::from_mask(0x0FFFFE), 2);  // without "a" and "u"
  draw_score_txt(out, 0, 12, 3, 2);
  draw_score_txt(out, 89, 7, 99, 1);
  ConsoleMoveLog(out, 2).move_played(1, make_move(5, 5, 19, 0));
  ConsoleMoveLog(out, 1).move_played(2, make_move(9, 13, 0, 3));
  ConsoleDisplay(out).show_pass(2);
  std::string board = "+--------------+\n|             x|\n";
  for (int y = 1; y < kBoardSize; ++y)
    board += y == 4 ? "|    .         |\n" : y == 9 ? "|         o    |\n" : "|              |\n";
  EXPECT_EQ(out.str(), board +
                           "+--------------+\n"
                           "P1: abcdefghijklmnopqrstu\n"
                           "P2:  bcdefghijklmnopqrst \n"
                           "Turn-P2 / P1: 0 P2:12 ( 3)\n"
                           "Turn-P1 / P1:89 P2: 7 (99)\n"
                           "Player 1 plays [66t0]\nPlayer 1 plays [66t0]\n"
                           "Player 2 plays [AEa3]\n"
                           "Player 2 passes [----]\n");
}

// A stream buffer that notes where the output was flushed.
struct FlushPoints : std::stringbuf {
  std::vector<size_t> at;
  int sync() override {
    at.push_back(str().size());
    return 0;
  }
};

// One console turn, with the move log written twice as in text mode;
// returns what was written. The prompt must be flushed before the line is
// read.
std::string play(GameState& game, const std::string& input, int player, int turn) {
  std::istringstream in(input);
  FlushPoints buf;
  std::ostream out(&buf);
  ConsoleMoveLog log(out, 2);
  std::string end;
  try {
    ConsoleEntry(in, out, log).play(game, player, turn);
  } catch (const FatalError&) {
    end = "<end of input>";
  }
  EXPECT_TRUE(!buf.at.empty() && buf.at[0] == 7) << "prompt not flushed";
  return buf.str() + end;
}

// Catches a wrong echo, trimmed or split lines, skipped checks, a lost first-move flag or EOF.
TEST(ConsoleEntry, PromptEchoAndPlacement) {
  GameState g;
  EXPECT_EQ(
      play(g, "\n8 8a0\n55a8\n55a\r\n" + std::string(100000, 'z') + "\nE1A0\n55a0 more\n", 1, 1),
      "Input> 99 99 99 99\n"
      "Input> 7 -17 -9 10\n"
      "Input> 4 4 0 8\n"
      "Input> 4 4 0 -35\n"
      "Input> 34 34 25 35\n"
      "Input> 13 0 0 0\n"
      "Input> 4 4 0 0\n"
      "Player 1 plays [55a0]\nPlayer 1 plays [55a0]\n");
  EXPECT_FALSE(g.first_move[1]);
  EXPECT_EQ(g.score[1], 1);
  EXPECT_FALSE(g.pieces_left[1][0]);
  // The monomino is used; (4, 5) touches (4, 4) along an edge.
  EXPECT_EQ(play(g, "66a0\n56b0\n66B0", 1, 2),
            "Input> 5 5 0 0\nInput> 4 5 1 0\nInput> 5 5 1 0\n"
            "Player 1 plays [66b0]\nPlayer 1 plays [66b0]\n");
  EXPECT_EQ(g.score[1], 3);
  // A pass keeps player 2 on its first move: off its start square refused.
  EXPECT_EQ(play(g, "-AB\r\n", 2, 2), "Input> -99 9 1 -35\nPlayer 2 passes [----]\n");
  EXPECT_EQ(play(g, "BBa0\nAAa0\n", 2, 3),
            "Input> 10 10 0 0\nInput> 9 9 0 0\nPlayer 2 plays [AAa0]\nPlayer 2 plays [AAa0]\n");
  EXPECT_EQ(g.pass_bits, 0);

  EXPECT_EQ(play(g, "zz\n", 1, 3), "Input> 99 99 99 99\nInput> <end of input>");
}

}  // namespace
}  // namespace trevosk
