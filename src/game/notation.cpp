#include "game/notation.h"

#include "rules/pieces.h"

namespace trevosk {

namespace {

// A coordinate character as written, or -1.
int coordinate(char c) {
  if (c >= '1' && c <= '9') return c - '1';
  if (c >= 'A' && c <= 'E') return c - 'A' + 9;
  if (c >= 'a' && c <= 'e') return c - 'a' + 9;
  return -1;
}

}  // namespace

std::string move_code(const Move& m) {
  std::string s;
  s += loc(m.x);
  s += loc(m.y);
  s += piece_letter(m.piece);
  s += std::to_string(m.rot);
  return s;
}

std::string move_text(const Move& m) { return m.is_pass() ? "pass" : move_code(m); }

Move parse_move(std::string_view t) {
  if (t.size() == 4 && (t[0] | 0x20) == 'p' && (t[1] | 0x20) == 'a' && (t[2] | 0x20) == 's' &&
      (t[3] | 0x20) == 's')
    return Move::pass();
  if (t.size() != 4) return Move::none();
  const int x = coordinate(t[0]), y = coordinate(t[1]);
  int piece = -1;
  if (t[2] >= 'a' && t[2] < 'a' + kPieceCount) piece = t[2] - 'a';
  if (t[2] >= 'A' && t[2] < 'A' + kPieceCount) piece = t[2] - 'A';
  const int rot = t[3] >= '0' && t[3] < '0' + kOrientations ? t[3] - '0' : -1;
  if (x < 0 || y < 0 || piece < 0 || rot < 0) return Move::none();
  return make_move(x, y, piece, rot);
}

}  // namespace trevosk
