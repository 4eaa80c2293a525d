#include "rules/filtered_moves.h"

#include "rules/legal_moves.h"
#include "rules/placement.h"

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

bool f6_table_legal(const HaveMasks& have, int piece, int x, int y) {
  static constexpr int kDy[] = {0, 1, 2, 3, -1, -2, -3};
  static constexpr int kDx[] = {-1, -2, 1, 2, -3, 3};
  const uint32_t bit = uint32_t{1} << piece;
  for (int dy : kDy)
    for (int dx : kDx) {
      const int px = x + dx;
      const int py = y + dy;
      if (px < 0 || px >= kBoardSize || py < 0 || py >= kBoardSize) continue;
      if ((have[px][py] & bit) > 0) return true;
    }
  return false;
}

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

void f6_make_legal_list(int player, const PiecesLeft& left, const Board& field, int turn,
                        const HaveMasks& have, MoveList& out) {
  if (turn <= 5) {
    make_legal_list(player, left, field, turn, out);
    return;
  }
  out.clear();
  // Per piece, the squares whose have mask carries the piece's bit.
  Bitboard marked[kPieceCount];
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      uint32_t bits = have[x][y] & left.mask();
      while (bits) {
        const int piece = std::countr_zero(bits);
        marked[piece].set(Bitboard::index(x, y));
        bits &= bits - 1;
      }
    }
  PiecesLeft candidates = left;
  Bitboard near[kPieceCount];
  for (int piece = 0; piece < kPieceCount; ++piece) {
    if (marked[piece].none()) candidates.set(piece, false);
    if (candidates[piece]) near[piece] = probe_anchors(marked[piece]);
  }
  const PlacementFinder finder(placement_masks(field, player, turn), candidates);
  for_each_orientation(candidates, [&](int piece, int rot) {
    (finder.anchors(piece, rot) & near[piece]).for_each_descending([&](int i) {
      out.push_back(anchored_move(i, piece, rot));
    });
  });
}

}  // namespace trevosk
