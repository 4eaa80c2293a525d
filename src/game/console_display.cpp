#include "game/console_display.h"

#include <cstdio>

#include "game/game_loop.h"
#include "game/notation.h"
#include "rules/pieces.h"

namespace trevosk {

char chr(Cell c) {
  switch (c) {
    case Cell::Empty:
      return ' ';
    case Cell::Outside:
      return '*';
    case Cell::Start1:
    case Cell::Start2:
      return '.';
    case Cell::Owned1:
      return 'o';
    case Cell::Owned2:
      return 'x';
  }
  return '?';
}

void draw_txt(std::ostream& out, const Board& field) {
  out << "+--------------+" << std::endl;
  for (int y = 0; y < kBoardSize; ++y) {
    std::string line = "|";
    for (int x = 0; x < kBoardSize; ++x) line += chr(field.square(x, y));
    line += '|';
    out << line << std::endl;
  }
  out << "+--------------+" << std::endl;
}

void draw_pieces_txt(std::ostream& out, const PiecesLeft& left, int player) {
  std::string line = "P";
  line += static_cast<char>('0' + player);
  line += ": ";
  for (int i = 0; i < kPieceCount; ++i) line += left[i] ? piece_letter(i) : ' ';
  out << line << std::endl;
}

void draw_score_txt(std::ostream& out, int score1, int score2, int turn, int player) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "Turn-P%d / P1:%2d P2:%2d (%2d)\n", player, score1, score2, turn);
  out << buf << std::flush;
}

void draw_position_txt(std::ostream& out, const Game& game, int turn, int player) {
  draw_txt(out, game.board());
  draw_pieces_txt(out, game.pieces_left(1), 1);
  draw_pieces_txt(out, game.pieces_left(2), 2);
  draw_score_txt(out, game.score(1), game.score(2), turn, player);
}

std::string move_line(int player, const Move& m) {
  return "Player " + std::to_string(player) + " plays [" + move_code(m) + "]\n";
}

std::string pass_line(int player) {
  return "Player " + std::to_string(player) + " passes [----]\n";
}

void ConsoleDisplay::notify(const Game& game, const GameEvent& e) {
  switch (e.kind) {
    case GameEvent::Kind::HalfTurn:
      draw_position_txt(out_, game, e.turn, e.player);
      break;
    case GameEvent::Kind::Placed:
      // Text mode logs every move twice.
      out_ << move_line(e.player, e.move) << std::flush;
      out_ << move_line(e.player, e.move) << std::flush;
      break;
    case GameEvent::Kind::Passed:
    case GameEvent::Kind::Blocked:
      out_ << pass_line(e.player) << std::flush;
      break;
    case GameEvent::Kind::GameOver:
      // The final display shows turn 99 with player 2 to move.
      draw_position_txt(out_, game, 99, 2);
      out_ << result_line(game.score(1), game.score(2)) << std::flush;
      break;
  }
}

}  // namespace trevosk
