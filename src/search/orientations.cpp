#include "search/orientations.h"

#include "rules/pieces.h"
#include "search/hot_path.h"

namespace trevosk {

const OrientationTable& search_orientations() {
  static const OrientationTable table = [] {
    const PieceTables& t = piece_tables();
    constexpr int kSquareTetromino = 7;
    OrientationTable o;
    for (int p = kPieceCount - 1; p >= 0; --p) {
      o.begin[p] = static_cast<uint8_t>(o.count);
      const uint8_t used = used_orientations(p);
      for (int r = kOrientations - 1; r >= 0; --r) {
        if (!(used >> r & 1) || (p == kSquareTetromino && r == 1)) continue;
        Orientation& e = o.list[o.count++];
        e.piece = static_cast<uint8_t>(p);
        e.rot = static_cast<uint8_t>(r);
        e.size = static_cast<uint8_t>(t.square_count[p]);
        for (int k = 0; k < e.size; ++k) {
          const Cell2 c = t.cell_list[p][r][k];
          e.offset[k] = static_cast<uint8_t>(c.y * 5 + c.x);
          o.cells_used[p] |= uint32_t{1} << e.offset[k];
        }
      }
      o.end[p] = static_cast<uint8_t>(o.count);
    }
    return o;
  }();
  return table;
}

TREVOSK_COUNTS_BITS int search_placements(const SearchPosition& s, Move* out) {
  const int i = s.to_move;
  const PlacementMasks masks = s.masks(i);
  if ((masks.allowed & masks.target).none() || s.left[i] == 0) return 0;
  PlacementScan scan(masks);
  const OrientationTable& t = search_orientations();
  int n = 0;
  for (int p = kPieceCount - 1; p >= 0; --p) {
    if (!(s.left[i] >> p & 1)) continue;
    for (int k = t.begin[p]; k < t.end[p]; ++k) {
      const Orientation& o = t.list[k];
      scan.anchors(o).for_each_descending(
          [&](int a) { out[n++] = anchored_move(a, o.piece, o.rot); });
    }
  }
  return n;
}

TREVOSK_COUNTS_BITS bool has_placement(const SearchPosition& s) {
  const int i = s.to_move;
  const PlacementMasks masks = s.masks(i);
  if ((masks.allowed & masks.target).none() || s.left[i] == 0) return false;
  PlacementScan scan(masks);
  const OrientationTable& t = search_orientations();
  for (int k = 0; k < t.count; ++k)
    if (s.left[i] >> t.list[k].piece & 1 && scan.anchors(t.list[k]).any()) return true;
  return false;
}

}  // namespace trevosk
