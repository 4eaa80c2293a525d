#include "players/piece_set_eval.h"

#include "players/flood.h"
#include "players/reach_map.h"
#include "players/selection.h"
#include "rules/filtered_moves.h"
#include "rules/pieces.h"
#include "rules/placement.h"

namespace trevosk {

namespace {

constexpr double kDecay = 0.75;
constexpr double kBlockedMark = 1e-8;

}  // namespace

void fill_piece_set_map(const MapSide& side, double w, int t, const PiecesLeft& left, uint32_t h,
                        BitPieceSetMap& map) {
  map.weight.fill(0.0);
  map.have.fill(0);
  map.flooded = Bitboard();
  const auto [passable, blockable] = flood_region(side);
  std::array<int8_t, 256> label;
  for (;;) {
    // 1. The filtered placements on the scratch board. From turn 6 on a
    //    placement of piece P needs a map square carrying bit P near it.
    const PlacementFinder finder(
        placement_masks(side.own | map.flooded, side.occupied | map.flooded,
                        side.starts & ~map.flooded, t),
        left);
    Bitboard marked[kPieceCount];
    if (t >= 6)
      map.flooded.for_each([&](int i) {
        uint32_t bits = map.have[i] & left.mask();
        while (bits) {
          marked[std::countr_zero(bits)].set(i);
          bits &= bits - 1;
        }
      });
    // Each source square floods with the mask of its first placement in
    // list order, which is the one of the highest piece.
    Bitboard sources;
    for (int piece = kPieceCount - 1; piece >= 0; --piece) {
      if (!left[piece]) continue;
      if (t >= 6 && marked[piece].none()) continue;
      Bitboard anchors = finder.piece_anchors(piece);
      if (t >= 6) anchors &= probe_anchors(marked[piece]);
      (anchors & ~sources).for_each([&](int i) { label[i] = static_cast<int8_t>(piece); });
      sources |= anchors;
    }
    // 2. No placement: the map is complete.
    if (sources.none()) return;
    // 3. Flood from every placement.
    const Bitboard raised =
        flood_wave_labelled(passable, sources, label, w, kDecay, h, map.weight, map.have);
    // A weight underflowed to zero floods nothing: stop instead of looping.
    if ((raised & ~map.flooded).none()) return;
    (blockable & raised.edge_neighbours()).for_each([&](int i) {
      map.weight[i] = kBlockedMark;
      map.have[i] = 0;
    });
    map.flooded |= raised;
    // 4. The next wave.
    w = w * 0.01;
    t += 1;
  }
}

double com_fuun6(int g, const MapSide& mover, const MapSide& opponent, const PiecesLeft& left,
                 int t, int p, const PiecesLeft& opp_left) {
  BitPieceSetMap a;
  BitPieceSetMap b;
  const int gain = ((3 * g) / 2 + 1) / 2;  // rounded down twice
  double v = gain;
  fill_piece_set_map(mover, 0.1, t + 1, left, calchave(left), a);
  fill_piece_set_map(opponent, 0.1, t + p - 1, opp_left, calchave(opp_left), b);
  // Squares where both maps hold 0.0 leave the value unchanged and are
  // skipped; terms are added one at a time, left to right.
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      const int i = Bitboard::index(x, y);
      const double av = a.weight[i];
      const double bv = b.weight[i];
      if (av == 0 && bv == 0) continue;
      const double fa = a.have[i] > 1000 ? 3.0 : 1.0;
      const double fb = b.have[i] > 1000 ? 3.0 : 1.0;
      if (av == 0 && bv > 0)
        v = v - 5.0 * bv;
      else if (av > 0 && bv == 0)
        v = v + 5.0 * av;
      else if (av < 1e-7 && bv > 0)
        v = v - 2.0 * bv * fb;
      else if (av > 0 && bv < 1e-7)
        v = v + 2.0 * av * fa;
      else
        v = v + av * fa - bv * fb;
    }
  return v;
}

uint32_t calchave(const PiecesLeft& left) { return left.mask(); }

EvalResult com_fuun6_eval(const PlayerContext& ctx, int player, const PiecesLeft& left,
                          const Board& field, int turn, const PiecesLeft& opp_left) {
  return evaluate_candidates(
      ctx.threads, player, left, field, turn,
      [&](int g, const MapSide& mover, const MapSide& opponent, const PiecesLeft& own) {
        return com_fuun6(g, mover, opponent, own, turn, player, opp_left);
      });
}

Move com_fuun6_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                    const Board& field, int turn, const PiecesLeft& opp_left) {
  return play_by_evaluator(com_fuun6_eval, false, ctx, player, left, field, turn, opp_left);
}

Move com_fuun6r_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                     const Board& field, int turn, const PiecesLeft& opp_left) {
  return play_by_evaluator(com_fuun6_eval, true, ctx, player, left, field, turn, opp_left);
}

}  // namespace trevosk
