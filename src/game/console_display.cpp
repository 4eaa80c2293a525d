#include "game/console_display.h"

#include <cstdio>

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

void ConsoleMoveLog::move_played(int player, const Move& m) {
  const std::string line = "Player " + std::to_string(player) + " plays [" + move_code(m) + "]\n";
  for (int i = 0; i < times_; ++i) out_ << line << std::flush;
}

void ConsoleDisplay::show_pass(int player) {
  out_ << "Player " << player << " passes [----]" << std::endl;
}

}  // namespace trevosk
