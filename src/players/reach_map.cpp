#include "players/reach_map.h"

#include <algorithm>

#include "rules/pieces.h"
#include "rules/placement.h"

namespace trevosk {

namespace {

constexpr FuunParams kFuun3{0.85, 0.0, false};
constexpr FuunParams kFuun4{0.75, 1e-8, false};
constexpr FuunParams kFuun4s{0.75, 1e-8, true};

// Each rule's terms are added to the running value one at a time, left to
// right, as (v + a) - 2b; the order changes the rounding.
template <FuunVariant V>
inline double cell_rule(double acc, double a, double b) {
  if constexpr (V == FuunVariant::Fuun3) {
    if (a < 1e-6 && b > 0) return acc - 15.0 * b;
    if (a > 0 && b < 1e-6) return acc + 10.0 * a;
    return acc + a - 2.0 * b;
  } else if constexpr (V == FuunVariant::Fuun4) {
    if (a == 0 && b > 0) return acc - 5.0 * b;
    if (a > 0 && b == 0) return acc + 5.0 * a;
    if (a < 1e-7 && b > 0) return acc - 2.0 * b;
    if (a > 0 && b < 1e-7) return acc + 2.0 * a;
    if (b > 0.5) return acc - b;
    return acc + a - b;
  } else {
    if (a == 0 && b > 0) return acc - 3.0 * b;
    if (a > 0 && b == 0) return acc + 3.0 * a;
    if (a < 1e-7 && b > 0) return acc - 1.0 * b;
    if (a > 0 && b < 1e-7) return acc + 1.3 * a;
    if (b > 0.5) return acc - 3.0 * b;
    return acc + a - 2.0 * b;
  }
}

// The square-by-square sum, x outer and y inner. Squares where both maps
// hold 0.0 add +0.0 and then subtract 0.0, which leaves any value but -0.0
// unchanged, and the sum starts at a positive gain and never reaches -0.0:
// skipping them changes nothing.
template <FuunVariant V>
double sum_cells(double v, const WeightGrid& a, const WeightGrid& b) {
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      const int i = Bitboard::index(x, y);
      if (a[i] == 0 && b[i] == 0) continue;
      v = cell_rule<V>(v, a[i], b[i]);
    }
  return v;
}

}  // namespace

const FuunParams& fuun_params(FuunVariant v) {
  switch (v) {
    case FuunVariant::Fuun3:
      return kFuun3;
    case FuunVariant::Fuun4:
      return kFuun4;
    case FuunVariant::Fuun4s:
      return kFuun4s;
  }
  return kFuun4;
}

int fuun_gain(FuunVariant v, int g) {
  switch (v) {
    case FuunVariant::Fuun3:
      return (g * g + 1) / 2;
    case FuunVariant::Fuun4:
      return ((3 * g) / 2 + 1) / 2;
    case FuunVariant::Fuun4s:
      return ((7 * g) / 2 + 1) / 2;
  }
  return 0;
}

double fuun_cell(FuunVariant v, double acc, double a, double b) {
  switch (v) {
    case FuunVariant::Fuun3:
      return cell_rule<FuunVariant::Fuun3>(acc, a, b);
    case FuunVariant::Fuun4:
      return cell_rule<FuunVariant::Fuun4>(acc, a, b);
    case FuunVariant::Fuun4s:
      return cell_rule<FuunVariant::Fuun4s>(acc, a, b);
  }
  return acc;
}

MapSide map_side(const Board& field, int p) {
  return MapSide{field.owned(p), field.occupied(), field.starts(p)};
}

SidesAfter sides_after(const Board& field, int p, const Move& m) {
  const Bitboard squares = placement_squares(m);
  const Bitboard occupied = field.occupied() | squares;
  return SidesAfter{MapSide{field.owned(p) | squares, occupied, field.starts(p) & ~squares},
                    MapSide{field.owned(3 - p), occupied, field.starts(3 - p) & ~squares}};
}

FloodRegion flood_region(const MapSide& side) {
  const Bitboard free = Bitboard::board() & ~side.occupied;
  const Bitboard edge = side.own.edge_neighbours();
  return FloodRegion{free & ~edge, free & edge};
}

void fill_reach_map(FuunVariant v, const MapSide& side, double w, int t, const PiecesLeft& left,
                    BitReachMap& map) {
  const FuunParams& params = fuun_params(v);
  map.value.fill(0.0);
  map.flooded = Bitboard();
  const auto [passable, blockable] = flood_region(side);
  if (left.empty()) return;
  for (;;) {
    // 1. The placements on the scratch board: the player's squares plus
    //    every flooded square.
    const PlacementMasks masks = placement_masks(
        side.own | map.flooded, side.occupied | map.flooded, side.starts & ~map.flooded, t);
    const Bitboard single = masks.allowed & masks.target;  // the single-square placements
    if (single.none()) return;
    const PlacementFinder finder(masks, left);
    Bitboard sources;
    double m = 1.0;
    if (params.mobility) {
      // 2. The mobility factor needs the number of placements.
      int n = 0;
      for_each_orientation(left, [&](int piece, int rot) {
        const Bitboard a = finder.anchors(piece, rot);
        n += a.count();
        sources |= a;
      });
      if (n == 0) return;
      m = std::min(10.0, static_cast<double>(n) / 3.0);
    } else if (t >= 4) {
      for (int piece = 0; piece < kPieceCount; ++piece)
        if (left[piece]) sources |= finder.piece_anchors(piece);
      if (sources.none()) return;
    } else {
      bool any = false;
      for (int piece = 0; piece < kPieceCount && !any; ++piece)
        if (left[piece]) any = finder.piece_anchors(piece).any();
      if (!any) return;
    }
    // 3. Early in the game flood from the single squares, later from the
    //    reference squares of the real placements.
    if (t < 4) sources = single;
    const Bitboard raised = flood_wave(passable, sources, w * m, params.decay, map.value);
    // Once the weight has underflowed to zero nothing floods any more and the
    // listings never change: stop instead of looping forever.
    if ((raised & ~map.flooded).none()) return;
    (blockable & raised.edge_neighbours()).for_each([&](int i) {
      map.value[i] = params.blocked_mark;
    });
    map.flooded |= raised;
    // 4. The next wave.
    w = w * 0.01 * m;
    t += 1;
  }
}

double com_fuun(FuunVariant v, int g, const MapSide& mover, const MapSide& opponent,
                const PiecesLeft& left, int t, int p, const PiecesLeft& opp_left) {
  BitReachMap a;
  BitReachMap b;
  fill_reach_map(v, mover, 0.1, t + 1, left, a);
  // The opponent moves next in the same turn after player 1, in the next
  // turn after player 2.
  fill_reach_map(v, opponent, 0.1, t + p - 1, opp_left, b);
  const double gain = static_cast<double>(fuun_gain(v, g));
  switch (v) {
    case FuunVariant::Fuun3:
      return sum_cells<FuunVariant::Fuun3>(gain, a.value, b.value);
    case FuunVariant::Fuun4:
      return sum_cells<FuunVariant::Fuun4>(gain, a.value, b.value);
    case FuunVariant::Fuun4s:
      return sum_cells<FuunVariant::Fuun4s>(gain, a.value, b.value);
  }
  return gain;
}

}  // namespace trevosk
