#include "rules/filtered_moves.h"

namespace trevosk {

namespace {

// Board squares in columns lo..hi.
constexpr Bitboard columns(int lo, int hi) {
  Bitboard b;
  for (int y = 0; y < kBoardSize; ++y)
    for (int x = lo; x <= hi; ++x) b.set(Bitboard::index(x, y));
  return b;
}

}  // namespace

Bitboard probe_anchors(const Bitboard& marked) {
  // Columns 1 to 3 away on either side (a shift must not carry a square
  // across the board's edge into the next row)...
  Bitboard across;
  for (int k = 1; k <= 3; ++k) {
    across |= (marked & columns(k, kBoardSize - 1)).shifted(-k);
    across |= (marked & columns(0, kBoardSize - 1 - k)).shifted(k);
  }
  // ...then up to three rows up or down, the own row included.
  Bitboard result;
  for (int dy = -3; dy <= 3; ++dy) result |= across.shifted(-16 * dy);
  return result & Bitboard::board();
}

}  // namespace trevosk
