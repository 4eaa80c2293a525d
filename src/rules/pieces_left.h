// PiecesLeft: one player's 21 flags, true while the piece is unused.
#pragma once

#include <cstdint>

#include "rules/move.h"

namespace trevosk {

class PiecesLeft {
 public:
  // All 21 pieces unused.
  constexpr PiecesLeft() = default;

  // A set holding only the given piece.
  static constexpr PiecesLeft only(int piece) { return PiecesLeft(uint32_t{1} << piece); }
  static constexpr PiecesLeft none() { return PiecesLeft(0); }
  static constexpr PiecesLeft from_mask(uint32_t mask) { return PiecesLeft(mask & kAll); }

  constexpr bool operator[](int piece) const { return (mask_ >> piece) & 1; }
  constexpr void set(int piece, bool unused) {
    if (unused)
      mask_ |= uint32_t{1} << piece;
    else
      mask_ &= ~(uint32_t{1} << piece);
  }
  // Bit i (value 2 to the power i) set while piece i is unused.
  constexpr uint32_t mask() const { return mask_; }
  constexpr bool empty() const { return mask_ == 0; }

  friend constexpr bool operator==(const PiecesLeft&, const PiecesLeft&) = default;

 private:
  static constexpr uint32_t kAll = (uint32_t{1} << kPieceCount) - 1;
  constexpr explicit PiecesLeft(uint32_t mask) : mask_(mask) {}
  uint32_t mask_ = kAll;
};

}  // namespace trevosk
