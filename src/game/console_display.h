// Text-mode display: before every half-turn the board as characters, the two
// tray lines and the status line; every move line twice, a pass line for
// every pass; at the end the final display and the result line. Each line is
// flushed.
#pragma once

#include <ostream>

#include "game/game_events.h"

namespace trevosk {

// The board character of a cell: ' ' Empty, '*' Outside, '.' a start square,
// 'o' player 1's, 'x' player 2's.
char chr(Cell c);

void draw_txt(std::ostream& out, const Board& field);
void draw_pieces_txt(std::ostream& out, const PiecesLeft& left, int player);
void draw_score_txt(std::ostream& out, int score1, int score2, int turn, int player);
// The board, both trays and the status line.
void draw_position_txt(std::ostream& out, const Game& game, int turn, int player);
// "Player %d plays [%s]\n" and "Player %d passes [----]\n".
std::string move_line(int player, const Move& m);
std::string pass_line(int player);

class ConsoleDisplay : public GameObserver {
 public:
  explicit ConsoleDisplay(std::ostream& out) : out_(out) {}
  void notify(const Game& game, const GameEvent& e) override;

 private:
  std::ostream& out_;
};

}  // namespace trevosk
