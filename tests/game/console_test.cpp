#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "game/console_display.h"
#include "game/console_entry.h"
#include "game/game.h"
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
TEST(ConsoleDisplay, LinesOfAPositionAndEvents) {
  GameState st;
  st.field.set_square(9, 9, Cell::Owned1);
  st.field.set_square(13, 0, Cell::Owned2);
  st.pieces_left[2] = PiecesLeft::from_mask(0x0FFFFE);  // without "a" and "u"
  st.score = {0, 0, 12};
  const Game game(st);
  std::ostringstream out;
  ConsoleDisplay display(out);
  display.notify(game, {GameEvent::Kind::HalfTurn, 2, 3});
  display.notify(game, {GameEvent::Kind::Placed, 1, 1, make_move(5, 5, 19, 0)});
  display.notify(game, {GameEvent::Kind::Blocked, 2, 4, Move::pass()});
  display.notify(game, {GameEvent::Kind::Passed, 1, 5, Move::pass()});
  std::string board = "+--------------+\n|             x|\n";
  for (int y = 1; y < kBoardSize; ++y)
    board += y == 4 ? "|    .         |\n" : y == 9 ? "|         o    |\n" : "|              |\n";
  board += "+--------------+\n";
  EXPECT_EQ(out.str(), board +
                           "P1: abcdefghijklmnopqrstu\n"
                           "P2:  bcdefghijklmnopqrst \n"
                           "Turn-P2 / P1: 0 P2:12 ( 3)\n"
                           "Player 1 plays [66t0]\nPlayer 1 plays [66t0]\n"
                           "Player 2 passes [----]\n"
                           "Player 1 passes [----]\n");
  out.str("");
  display.notify(game, {GameEvent::Kind::GameOver});
  EXPECT_TRUE(
      out.str().ends_with("P2:  bcdefghijklmnopqrst \n"
                          "Turn-P2 / P1: 0 P2:12 (99)\n"
                          "Player1: 0  v.s. Player2:12  Finished.\n"))
      << out.str();
}

// A stream buffer that notes where the output was flushed.
struct FlushPoints : std::stringbuf {
  std::vector<size_t> at;
  int sync() override {
    at.push_back(str().size());
    return 0;
  }
};

// One console turn; returns what was written and the move (the prompt must
// be flushed before the line is read).
std::pair<std::string, Move> ask(const Game& game, const std::string& input) {
  std::istringstream in(input);
  FlushPoints buf;
  std::ostream out(&buf);
  const Move m = ConsoleSeat(in, out).choose(game);
  EXPECT_TRUE(!buf.at.empty() && buf.at[0] == 7) << "prompt not flushed";
  return {buf.str(), m};
}

// Catches a wrong echo, trimmed or split lines, skipped checks, a lost first-move rule or EOF.
TEST(ConsoleSeat, PromptEchoAndChoice) {
  Game g;
  EXPECT_EQ(ask(g, "\n8 8a0\n55a8\n55a\r\n" + std::string(100000, 'z') + "\nE1A0\n55a0 more\n"),
            std::pair(std::string("Input> 99 99 99 99\n"
                                  "Input> 7 -17 -9 10\n"
                                  "Input> 4 4 0 8\n"
                                  "Input> 4 4 0 -35\n"
                                  "Input> 34 34 25 35\n"
                                  "Input> 13 0 0 0\n"
                                  "Input> 4 4 0 0\n"),
                      make_move(4, 4, 0, 0)));
  g.play(make_move(4, 4, 0, 0));
  // A pass keeps player 2 on its first move: off its start square refused.
  EXPECT_EQ(ask(g, "-AB\r\n"), std::pair(std::string("Input> -99 9 1 -35\n"), Move::pass()));
  g.play(Move::pass());
  // The monomino is used; (4, 5) touches (4, 4) along an edge.
  EXPECT_EQ(ask(g, "66a0\n56b0\n66B0").second, make_move(5, 5, 1, 0));
  g.play(make_move(5, 5, 1, 0));
  EXPECT_EQ(ask(g, "BBa0\nAAa0\n"),
            std::pair(std::string("Input> 10 10 0 0\nInput> 9 9 0 0\n"), make_move(9, 9, 0, 0)));
  EXPECT_EQ(ask(g, "zz\n"), std::pair(std::string("Input> 99 99 99 99\nInput> "), Move::none()));
}

}  // namespace
}  // namespace trevosk
