// Bit-parallel placement search.
//
// For one player's position, every legal placement of one orientation is
// found for all 196 reference squares at once: a placement is legal when all
// its squares lie on "allowed" squares (free, not edge-adjacent to the
// player's own) and one of them covers a "target" square (diagonally next to
// the player's own from turn 2 on; the player's uncovered start square on
// turn 1). Given the first condition, the second is exactly the corner
// connection the placement test asks for.
#pragma once

#include <array>

#include "rules/bitboard.h"
#include "rules/board.h"
#include "rules/pieces_left.h"

namespace trevosk {

struct PlacementMasks {
  Bitboard allowed;  // squares a square of the new piece may cover
  Bitboard target;   // squares one of which it must cover
};

// From the player's own squares, all occupied squares and the squares still
// holding the player's start mark.
PlacementMasks placement_masks(const Bitboard& own, const Bitboard& occupied,
                               const Bitboard& starts, int turn);
PlacementMasks placement_masks(const Board& field, int player, int turn);

// Answers, per orientation, the set of reference squares of its legal
// placements. Holds the two masks shifted by each of the 25 picture offsets
// that the orientations of the given pieces use; only those pieces may be
// asked about.
class PlacementFinder {
 public:
  explicit PlacementFinder(const PlacementMasks& masks, const PiecesLeft& pieces = PiecesLeft());

  Bitboard anchors(int piece, int rot) const;

  // Union of the anchors of every orientation the enumeration uses.
  Bitboard piece_anchors(int piece) const;

 private:
  std::array<Bitboard, 25> fit_;
  std::array<Bitboard, 25> hit_;
};

// The orientations the enumeration uses, piece by piece: bit r set when
// orientation r of the piece is not a duplicate.
uint8_t used_orientations(int piece);

// Calls f(piece, rot) for every orientation the enumeration uses of the
// given pieces, in list order: highest piece first, then highest orientation.
template <class F>
void for_each_orientation(const PiecesLeft& pieces, F&& f) {
  for (int piece = kPieceCount - 1; piece >= 0; --piece) {
    if (!pieces[piece]) continue;
    const uint8_t used = used_orientations(piece);
    for (int rot = kOrientations - 1; rot >= 0; --rot)
      if (used >> rot & 1) f(piece, rot);
  }
}

// The move whose reference square is bitboard square i.
inline Move anchored_move(int i, int piece, int rot) {
  return make_move(Bitboard::x_of(i), Bitboard::y_of(i), piece, rot);
}

}  // namespace trevosk
