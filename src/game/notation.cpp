#include "game/notation.h"

#include "rules/pieces.h"

namespace trevosk {

std::string move_code(const Move& m) {
  std::string s;
  s += loc(m.x);
  s += loc(m.y);
  s += piece_letter(m.piece);
  s += std::to_string(m.rot);
  return s;
}

}  // namespace trevosk
