// Text-mode display: the board as characters, the two tray lines, the status
// line, the pass line and the move log, each line flushed.
#pragma once

#include <ostream>

#include "game/display.h"

namespace trevosk {

// The board character of a cell: ' ' Empty, '*' Outside, '.' a start square,
// 'o' player 1's, 'x' player 2's.
char chr(Cell c);

void draw_txt(std::ostream& out, const Board& field);
void draw_pieces_txt(std::ostream& out, const PiecesLeft& left, int player);
void draw_score_txt(std::ostream& out, int score1, int score2, int turn, int player);

// "Player %d plays [%s]" for every logged move, written `times` times.
class ConsoleMoveLog : public MoveLog {
 public:
  ConsoleMoveLog(std::ostream& out, int times) : out_(out), times_(times) {}
  void move_played(int player, const Move& m) override;

 private:
  std::ostream& out_;
  int times_;
};

class ConsoleDisplay : public Display {
 public:
  explicit ConsoleDisplay(std::ostream& out) : out_(out) {}
  void draw_board(const Board& field) override { draw_txt(out_, field); }
  void draw_pieces(const PiecesLeft& left, int player) override {
    draw_pieces_txt(out_, left, player);
  }
  void draw_score(int score1, int score2, int turn, int player) override {
    draw_score_txt(out_, score1, score2, turn, player);
  }
  void show_pass(int player) override;
  void finish() override {}

 private:
  std::ostream& out_;
};

}  // namespace trevosk
