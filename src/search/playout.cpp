#include "search/playout.h"

#include <bit>

#include "search/hot_path.h"
#include "search/orientations.h"

namespace trevosk {

namespace {

// The placements of some pieces, as anchor sets of their orientations.
struct Placements {
  std::array<Bitboard, 96> anchors;
  std::array<uint8_t, 96> orientation;
  int sets = 0;
  int total = 0;

  TREVOSK_INLINE void collect(PlacementScan& scan, uint32_t pieces) {
    const OrientationTable& t = search_orientations();
    sets = total = 0;
    for (int p = kPieceCount - 1; p >= 0; --p) {
      if (!(pieces >> p & 1)) continue;
      for (int k = t.begin[p]; k < t.end[p]; ++k) {
        const Bitboard a = scan.anchors(t.list[k]);
        const int c = a.count();
        if (c == 0) continue;
        anchors[sets] = a;
        orientation[sets++] = static_cast<uint8_t>(k);
        total += c;
      }
    }
  }

  // The r-th placement, 0 <= r < total.
  TREVOSK_INLINE Move nth(int r) const {
    for (int j = 0;; ++j) {
      const int c = anchors[j].count();
      if (r >= c) {
        r -= c;
        continue;
      }
      int found = -1;
      anchors[j].for_each([&](int i) {
        if (r-- == 0) found = i;
      });
      const Orientation& o = search_orientations().list[orientation[j]];
      return anchored_move(found, o.piece, o.rot);
    }
  }
};

// The quick score of a placement covering `squares` for player i.
TREVOSK_INLINE double quick_score(const Bitboard& squares, const PlacementMasks& own,
                                  const Bitboard& own_corners, const Bitboard& opp_corners,
                                  double block) {
  const Bitboard closed = squares | squares.edge_neighbours();
  const Bitboard made = squares.diagonal_neighbours() & own.allowed & ~closed & ~own_corners;
  const int lost = (own_corners & closed).count();
  return made.count() - lost + block * (squares & opp_corners).count();
}

}  // namespace

TREVOSK_COUNTS_BITS bool playout_move(const SearchPosition& s, const PlayoutPolicy& policy,
                                      FastRng& rng, Move& out) {
  const int i = s.to_move;
  const PlacementMasks masks = s.masks(i);
  const Bitboard corners = masks.allowed & masks.target;
  if (corners.none() || s.left[i] == 0) return false;
  PlacementScan scan(masks);
  Placements found;
  if (policy.by_piece && policy.largest && policy.tries <= 1) {
    // A piece drawn among the largest that fit, then one of its placements.
    for (int size = 5; size >= 1; --size) {
      for (uint32_t pieces = s.left[i] & kSizeClass[size]; pieces;) {
        const int n = std::popcount(pieces);
        uint32_t rest = pieces;
        for (int skip = static_cast<int>(rng.below(n)); skip > 0; --skip) rest &= rest - 1;
        const uint32_t piece = rest & -rest;
        found.collect(scan, piece);
        if (found.total > 0) {
          out = found.nth(static_cast<int>(rng.below(found.total)));
          return true;
        }
        pieces &= ~piece;
      }
    }
    return false;
  }
  for (int size = 5; size >= 1; --size) {
    found.collect(scan, policy.largest ? s.left[i] & kSizeClass[size] : s.left[i]);
    if (found.total > 0 || !policy.largest) break;
  }
  if (found.total == 0) return false;
  out = found.nth(static_cast<int>(rng.below(found.total)));
  if (policy.tries <= 1) return true;
  const Bitboard opp_corners = s.corners(1 - i);
  double best = quick_score(move_squares(out), masks, corners, opp_corners, policy.block);
  for (int t = 1; t < policy.tries; ++t) {
    const Move m = found.nth(static_cast<int>(rng.below(found.total)));
    const double v = quick_score(move_squares(m), masks, corners, opp_corners, policy.block);
    if (v > best) best = v, out = m;
  }
  return true;
}

}  // namespace trevosk
