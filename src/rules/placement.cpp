#include "rules/placement.h"

#include "rules/pieces.h"

namespace trevosk {

namespace {

// Per orientation, the picture offsets (row * 5 + column) of its squares.
struct OffsetTable {
  std::array<std::array<std::array<int8_t, 5>, kOrientations>, kPieceCount> index;
  std::array<int, kPieceCount> count;
  std::array<uint8_t, kPieceCount> used;
  // Per piece, bit r * 5 + c set when a used orientation has a square at
  // picture (r, c).
  std::array<uint32_t, kPieceCount> offsets_used;
};

const OffsetTable& offsets() {
  static const OffsetTable table = [] {
    const PieceTables& t = piece_tables();
    OffsetTable o{};
    for (int p = 0; p < kPieceCount; ++p) {
      o.count[p] = t.square_count[p];
      for (int r = 0; r < kOrientations; ++r) {
        if (!t.rot_dup[p][r]) o.used[p] |= uint8_t(1u << r);
        const auto& cells = t.cell_list[p][r];
        for (int k = 0; k < cells.size; ++k) {
          o.index[p][r][k] = static_cast<int8_t>(cells[k].y * 5 + cells[k].x);
          if (!t.rot_dup[p][r]) o.offsets_used[p] |= uint32_t{1} << o.index[p][r][k];
        }
      }
    }
    return o;
  }();
  return table;
}

}  // namespace

uint8_t used_orientations(int piece) { return offsets().used[piece]; }

PlacementMasks placement_masks(const Bitboard& own, const Bitboard& occupied,
                               const Bitboard& starts, int turn) {
  PlacementMasks m;
  m.allowed = Bitboard::board() & ~occupied & ~own.edge_neighbours();
  m.target = turn >= 2 ? own.diagonal_neighbours() : starts;
  return m;
}

PlacementMasks placement_masks(const Board& field, int player, int turn) {
  return placement_masks(field.owned(player), field.occupied(), field.starts(player), turn);
}

PlacementFinder::PlacementFinder(const PlacementMasks& masks, const PiecesLeft& pieces) {
  // Bit a of fit_[r * 5 + c] tells whether the square at picture (r, c) of a
  // placement anchored at a is allowed; likewise hit_ for the target. Late
  // in the game few pieces remain and few offsets are needed.
  const OffsetTable& o = offsets();
  uint32_t needed = 0;
  for (int p = 0; p < kPieceCount; ++p)
    if (pieces[p]) needed |= o.offsets_used[p];
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c) {
      if (!(needed >> (r * 5 + c) & 1)) continue;
      const int shift = -((r - 2) * 16 + (c - 2));
      fit_[r * 5 + c] = masks.allowed.shifted(shift);
      hit_[r * 5 + c] = masks.target.shifted(shift);
    }
}

Bitboard PlacementFinder::anchors(int piece, int rot) const {
  const OffsetTable& o = offsets();
  const auto& idx = o.index[piece][rot];
  Bitboard fit = fit_[idx[0]];
  Bitboard hit = hit_[idx[0]];
  for (int k = 1; k < o.count[piece]; ++k) {
    fit &= fit_[idx[k]];
    hit |= hit_[idx[k]];
  }
  return fit & hit;
}

Bitboard PlacementFinder::piece_anchors(int piece) const {
  Bitboard all;
  for_each_orientation(PiecesLeft::only(piece), [&](int p, int rot) { all |= anchors(p, rot); });
  return all;
}

}  // namespace trevosk
