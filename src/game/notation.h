// Move notation: the four-character move code and its decoding.
//
// Code position 1 is the column and 2 the row ("1".."9" for 0..8, "A".."E"
// for 9..13), 3 the piece letter "a".."u", 4 the orientation digit "0".."7".
#pragma once

#include <string>
#include <string_view>

#include "rules/move.h"

namespace trevosk {

// The coordinate character of n: code 49 + n below 9, else 56 + n.
constexpr char loc(int n) { return static_cast<char>(n < 9 ? 49 + n : 56 + n); }

// The four-character code of a placement, e.g. "66t0".
std::string move_code(const Move& m);

// A placement's code, or "pass".
std::string move_text(const Move& m);

// Reads a move as the program writes it: a code (column and row "1".."9",
// "A".."E" or "a".."e"; piece "a".."u" or "A".."U"; orientation "0".."7") or
// "pass" in any case. Move::none() for anything else.
Move parse_move(std::string_view text);

// The console's decoding of typed characters, byte by byte.
// Column or row from a character code: "-" gives -99 (a line starting with
// it is a pass); otherwise below 59 gives c - 49, below 75 c - 56, any other
// c - 88. The orientation is this plus one.
constexpr int dec(unsigned char c) {
  if (c == '-') return -99;
  if (c < 59) return c - 49;
  if (c < 75) return c - 56;
  return c - 88;
}

// Piece from a character code: below 95 gives c - 65, otherwise c - 97.
constexpr int dec2(unsigned char c) { return c < 95 ? c - 65 : c - 97; }

}  // namespace trevosk
