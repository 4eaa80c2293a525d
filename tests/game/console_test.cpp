#include <gtest/gtest.h>

#include <algorithm>
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

// Catches a wrong coordinate character (there is no "0"), a code that does
// not decode back to its move, and decoding rules that differ from the
// character arithmetic for odd bytes.
TEST(Notation, CodesAndDecoding) {
  std::string coords;
  for (int n = 0; n < kBoardSize; ++n) coords += loc(n);
  EXPECT_EQ(coords, "123456789ABCDE");
  EXPECT_EQ(move_code(make_move(5, 5, 19, 0)), "66t0");
  EXPECT_EQ(move_code(make_move(13, 0, 20, 7)), "E1u7");
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      for (int piece = 0; piece < kPieceCount; ++piece)
        for (int rot = 0; rot < kOrientations; ++rot) {
          const std::string c = move_code(make_move(x, y, piece, rot));
          ASSERT_EQ(c.size(), 4u);
          const auto* b = reinterpret_cast<const unsigned char*>(c.data());
          ASSERT_EQ(dec(b[0]), x);
          ASSERT_EQ(dec(b[1]), y);
          ASSERT_EQ(dec2(b[2]), piece);
          ASSERT_EQ(dec(b[3]) + 1, rot);
        }
  // Columns and rows: both cases of a letter, and the arithmetic elsewhere.
  const std::pair<unsigned char, int> coord[] = {
      {'-', -99}, {'1', 0},   {'9', 8},    {'a', 9},   {'A', 9},  {'e', 13},
      {'E', 13},  {'0', -1},  {':', 9},    {';', 3},   {'J', 18}, {'K', -13},
      {'Y', 1},   {' ', -17}, {'\r', -36}, {255, 167}, {128, 40}, {0, -49}};
  for (auto [c, v] : coord) EXPECT_EQ(dec(c), v) << int(c);
  const std::pair<unsigned char, int> pieces[] = {{'a', 0},   {'A', 0},   {'t', 19}, {'T', 19},
                                                  {'u', 20},  {'U', 20},  {'^', 29}, {'_', -2},
                                                  {'-', -20}, {255, 158}, {0, -65}};
  for (auto [c, v] : pieces) EXPECT_EQ(dec2(c), v) << int(c);
}

// A stream buffer that notes where the output was flushed.
struct FlushPoints : std::stringbuf {
  std::vector<size_t> at;
  int sync() override {
    at.push_back(str().size());
    return 0;
  }
  // Every line end, and nothing else, followed by a flush.
  bool after_each_line() const {
    std::vector<size_t> ends;
    const std::string s = str();
    for (size_t i = 0; i < s.size(); ++i)
      if (s[i] == '\n') ends.push_back(i + 1);
    std::vector<size_t> unique = at;
    unique.erase(std::unique(unique.begin(), unique.end()), unique.end());
    return unique == ends;
  }
};

// Catches a wrong frame, cell character, tray letter or padding, and a
// move or pass line written the wrong number of times.
TEST(ConsoleDisplay, LinesOfAPosition) {
  Board b;
  std::ostringstream empty;
  draw_txt(empty, b);
  std::string expected = "+--------------+\n";
  for (int y = 0; y < kBoardSize; ++y)
    expected += y == 4   ? "|    .         |\n"
                : y == 9 ? "|         .    |\n"
                         : "|              |\n";
  expected += "+--------------+\n";
  EXPECT_EQ(empty.str(), expected);

  b.set_square(4, 4, Cell::Owned2);
  b.set_square(9, 9, Cell::Owned1);
  b.set_square(0, 13, Cell::Owned1);
  b.set_square(13, 0, Cell::Owned2);
  std::ostringstream covered;
  draw_txt(covered, b);
  EXPECT_NE(covered.str().find("\n|             x|\n"), std::string::npos);
  EXPECT_NE(covered.str().find("\n|    x         |\n"), std::string::npos);
  EXPECT_NE(covered.str().find("\n|         o    |\n"), std::string::npos);
  EXPECT_NE(covered.str().find("\n|o             |\n+"), std::string::npos);
  EXPECT_EQ(chr(Cell::Outside), '*');

  std::ostringstream trays;
  PiecesLeft left2;
  left2.set(0, false);
  left2.set(20, false);
  draw_pieces_txt(trays, PiecesLeft(), 1);
  draw_pieces_txt(trays, left2, 2);
  draw_pieces_txt(trays, PiecesLeft::none(), 2);
  EXPECT_EQ(trays.str(),
            "P1: abcdefghijklmnopqrstu\n"
            "P2:  bcdefghijklmnopqrst \n"
            "P2:                      \n");

  std::ostringstream status;
  draw_score_txt(status, 0, 12, 3, 2);
  draw_score_txt(status, 89, 7, 99, 2);
  EXPECT_EQ(status.str(),
            "Turn-P2 / P1: 0 P2:12 ( 3)\n"
            "Turn-P2 / P1:89 P2: 7 (99)\n");

  std::ostringstream log;
  ConsoleMoveLog twice(log, 2), once(log, 1);
  twice.move_played(1, make_move(5, 5, 19, 0));
  once.move_played(2, make_move(9, 13, 0, 3));
  ConsoleDisplay(log).show_pass(2);
  EXPECT_EQ(log.str(),
            "Player 1 plays [66t0]\nPlayer 1 plays [66t0]\n"
            "Player 2 plays [AEa3]\n"
            "Player 2 passes [----]\n");

  // Each line reaches the terminal as soon as it is written.
  FlushPoints buf;
  std::ostream out(&buf);
  ConsoleDisplay display(out);
  display.draw_board(b);
  display.draw_pieces(left2, 2);
  display.draw_score(1, 2, 3, 1);
  display.show_pass(1);
  ConsoleMoveLog(out, 2).move_played(2, make_move(0, 0, 0, 0));
  EXPECT_EQ(buf.str().size(), 16 * 17 + 26 + 27 + 23 + 2 * 22u);
  EXPECT_TRUE(buf.after_each_line());
}

// Catches a carriage return dropped, a last line without a newline lost,
// an end of input reported while a line was read, and a long line that
// spills into the next.
TEST(ConsoleEntry, ReadingLines) {
  std::istringstream in("ab\r\n\n" + std::string(100000, 'q') + "\nlast");
  std::string line;
  ASSERT_TRUE(read_line(in, line, 8));
  EXPECT_EQ(line, "ab\r");
  ASSERT_TRUE(read_line(in, line, 8));
  EXPECT_EQ(line, "");
  ASSERT_TRUE(read_line(in, line, 8));
  EXPECT_EQ(line, "qqqqqqqq");
  ASSERT_TRUE(read_line(in, line, 8));
  EXPECT_EQ(line, "last");
  EXPECT_FALSE(read_line(in, line, 8));
  EXPECT_FALSE(read_line(in, line, 8));
}

// One console turn on a fresh game, with the move log written twice as in
// text mode.
struct Turn {
  GameState game;
  std::ostringstream out;
  std::string play(const std::string& input, int player, int turn) {
    std::istringstream in(input);
    out.str("");
    ConsoleMoveLog log(out, 2);
    ConsoleEntry(in, out, log).play(game, player, turn);
    return out.str();
  }
};

// Catches a wrong echo, a pass that clears the first-move flag, a range
// check or placement test skipped, a used piece accepted, characters
// skipped or trimmed, and an end of input that does not stop the game.
TEST(ConsoleEntry, PromptEchoAndPlacement) {
  Turn t;
  // Bad lines first, each echoed and asked again: empty, a lone minus sign,
  // three characters, a blank in the row, orientation 8, a carriage return as the
  // fourth character, bytes above 127, off the start square.
  EXPECT_EQ(t.play("\n-\n55a\n8 8a0\n55a8\n55a\r\n\xff\xff\xff\xff\nE1A0\n55a0 and more\n", 1, 1),
            "Input> 99 99 99 99\n"
            "Input> 99 99 99 99\n"
            "Input> 99 99 99 99\n"
            "Input> 7 -17 -9 10\n"
            "Input> 4 4 0 8\n"
            "Input> 4 4 0 -35\n"
            "Input> 167 167 158 168\n"
            "Input> 13 0 0 0\n"
            "Input> 4 4 0 0\n"
            "Player 1 plays [55a0]\nPlayer 1 plays [55a0]\n");
  EXPECT_FALSE(t.game.first_move[1]);
  EXPECT_EQ(t.game.score[1], 1);
  EXPECT_FALSE(t.game.pieces_left[1][0]);
  EXPECT_EQ(t.game.field.square(4, 4), Cell::Owned1);

  // The monomino is used; an illegal placement and a touching one are
  // refused; the last line needs no newline.
  EXPECT_EQ(t.play("66a0\n56b0\n66B0", 1, 2),
            "Input> 5 5 0 0\n"
            "Input> 4 5 1 0\n"
            "Input> 5 5 1 0\n"
            "Player 1 plays [66b0]\nPlayer 1 plays [66b0]\n");
  EXPECT_EQ(t.game.score[1], 3);

  // A pass: four minus signs, or a minus sign and any three characters.
  EXPECT_EQ(t.play("----\n", 2, 1), "Input> -99 -99 -20 -98\nPlayer 2 passes [----]\n");
  EXPECT_EQ(t.play("-AB\r\n", 2, 2), "Input> -99 9 1 -35\nPlayer 2 passes [----]\n");
  EXPECT_TRUE(t.game.first_move[2]);
  // Still a first move on turn 3: off the start square is refused, on it
  // accepted.
  EXPECT_EQ(t.play("BBa0\nAAa0\n", 2, 3),
            "Input> 10 10 0 0\nInput> 9 9 0 0\nPlayer 2 plays [AAa0]\nPlayer 2 plays [AAa0]\n");
  EXPECT_FALSE(t.game.first_move[2]);
  EXPECT_EQ(t.game.pass_bits, 0);

  // The end of input while a line is awaited, also after bad lines.
  const GameState before = t.game;
  EXPECT_THROW(t.play("", 1, 3), FatalError);
  EXPECT_EQ(t.out.str(), "Input> ");
  EXPECT_THROW(t.play("zz\n55a8\n", 1, 3), FatalError);
  EXPECT_EQ(t.out.str(), "Input> 99 99 99 99\nInput> 4 4 0 8\nInput> ");
  EXPECT_EQ(t.game.field, before.field);
  EXPECT_EQ(t.game.score, before.score);
  EXPECT_EQ(t.game.pieces_left, before.pieces_left);

  // The prompt is flushed before the line is read.
  FlushPoints buf;
  std::ostream out(&buf);
  std::istringstream in("xx\n----\n");
  ConsoleMoveLog log(out, 2);
  ConsoleEntry(in, out, log).play(t.game, 1, 3);
  EXPECT_EQ(buf.str(), "Input> 99 99 99 99\nInput> -99 -99 -20 -98\nPlayer 1 passes [----]\n");
  EXPECT_TRUE(std::find(buf.at.begin(), buf.at.end(), 7u) != buf.at.end());
  EXPECT_TRUE(std::find(buf.at.begin(), buf.at.end(), 26u) != buf.at.end());

  // A very long line counts as one attempt.
  EXPECT_EQ(t.play("zzzz" + std::string(200000, 'z') + "\n----\n", 1, 3),
            "Input> 34 34 25 35\nInput> -99 -99 -20 -98\nPlayer 1 passes [----]\n");
}

}  // namespace
}  // namespace trevosk
