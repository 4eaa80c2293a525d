// Move: one placement of a piece, and the board's fixed dimensions.
#pragma once

#include <cstdint>

namespace trevosk {

constexpr int kBoardSize = 14;    // squares per side
constexpr int kPieceCount = 21;   // pieces per player, indices 0..20
constexpr int kOrientations = 8;  // orientations per piece, 0..7

// A move: a placement (x, y, piece, rot), or one of two sentinels.
//
// A placement has board column x and row y (0..13, column 0 at the left, row
// 0 at the top) of the piece's reference square (row 2, column 2 of its 5 x 5
// picture), piece index 0..20 and orientation 0..7. A negative x marks a
// sentinel: -1 a pass (the player places nothing this half-turn), -2 "no
// move" (a seat that has none to give, for example because its input ended).
// A plain aggregate, so that move lists cost nothing to create; Move{} is the
// placement (0, 0, 0, 0).
struct Move {
  int8_t x;
  int8_t y;
  int8_t piece;
  int8_t rot;

  static constexpr Move pass() { return Move{-1, 0, 0, 0}; }
  static constexpr Move none() { return Move{-2, 0, 0, 0}; }
  constexpr bool is_pass() const { return x == -1; }
  constexpr bool is_none() const { return x == -2; }
  constexpr bool is_placement() const { return x >= 0; }

  friend constexpr bool operator==(const Move&, const Move&) = default;
};

constexpr Move make_move(int x, int y, int piece, int rot) {
  return Move{static_cast<int8_t>(x), static_cast<int8_t>(y), static_cast<int8_t>(piece),
              static_cast<int8_t>(rot)};
}

}  // namespace trevosk
