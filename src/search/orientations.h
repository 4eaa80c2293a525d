// The orientations the search places, and a bit-parallel finder of their
// placements in one position.
//
// The search uses the orientations the legal-move listing uses, but for
// the square tetromino's orientation 1, whose placements are those of
// orientation 0 one column to the right: each placement then appears once.
#pragma once

#include <array>
#include <cstdint>

#include "rules/bitboard.h"
#include "rules/move.h"
#include "rules/placement.h"
#include "search/position.h"

namespace trevosk {

struct Orientation {
  uint8_t piece;
  uint8_t rot;
  uint8_t size;
  std::array<uint8_t, 5> offset;  // picture cells row * 5 + column of its squares
};

// Every orientation the search places, highest piece first and, within a
// piece, highest orientation first (the listing's order).
struct OrientationTable {
  std::array<Orientation, 96> list;
  int count = 0;
  // Piece p's orientations are list[begin[p]] to list[end[p] - 1].
  std::array<uint8_t, kPieceCount> begin{};
  std::array<uint8_t, kPieceCount> end{};
  // Per piece, bit k set when one of its orientations has a square at
  // picture cell k.
  std::array<uint32_t, kPieceCount> cells_used{};
};
const OrientationTable& search_orientations();

// The pieces of each size, as masks of piece bits: kSizeClass[s] for s = 1..5.
inline constexpr std::array<uint32_t, 6> kSizeClass = {0, 0x1, 0x2, 0xC, 0x1F0, 0x1FFE00};

// Per picture cell, the placement masks shifted so that bit a tells about
// the square at that cell of a placement anchored at a; each cell's pair is
// made the first time an orientation needs it.
class PlacementScan {
 public:
  explicit PlacementScan(const PlacementMasks& masks) : masks_(masks) {}

  // The anchors of the orientation's legal placements.
  Bitboard anchors(const Orientation& o) {
    Bitboard all_fit = prepared(o.offset[0]);
    Bitboard any_hit = hit_[o.offset[0]];
    for (int k = 1; k < o.size; ++k) {
      all_fit &= prepared(o.offset[k]);
      any_hit |= hit_[o.offset[k]];
    }
    return all_fit & any_hit;
  }

 private:
  // The cell's fit mask, its hit mask made beside it.
  const Bitboard& prepared(int cell) {
    if (!(ready_ >> cell & 1)) {
      const int shift = -((cell / 5 - 2) * 16 + (cell % 5 - 2));
      fit_[cell] = masks_.allowed.shifted(shift);
      hit_[cell] = masks_.target.shifted(shift);
      ready_ |= uint32_t{1} << cell;
    }
    return fit_[cell];
  }

  PlacementMasks masks_;
  uint32_t ready_ = 0;
  std::array<Bitboard, 25> fit_;
  std::array<Bitboard, 25> hit_;
};

// Writes every placement of the side to move in list order (highest piece,
// orientation, row and column first) and returns how many; room for
// 96 * 196 moves is enough.
int search_placements(const SearchPosition& s, Move* out);

// Whether the side to move has a placement.
bool has_placement(const SearchPosition& s);

}  // namespace trevosk
