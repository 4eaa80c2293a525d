#include "players/reach_map.h"

#include <algorithm>

#include "rules/legal_moves.h"

namespace trevosk {

namespace {

constexpr FuunParams kFuun3{0.85, 0.0, false};
constexpr FuunParams kFuun4{0.75, 1e-8, false};
constexpr FuunParams kFuun4s{0.75, 1e-8, true};

// One flood: from (x, y) with weight w over free squares that are not next to
// q's own squares on the evaluated board, replacing only smaller weights.
struct Flood {
  const FuunParams& params;
  const Board& evaluated;
  Board& scratch;
  ReachMap& map;
  int q;

  void sub(int x, int y, double w) {
    if (x < 0 || x >= kBoardSize || y < 0 || y >= kBoardSize) return;
    const Cell e = evaluated.square(x, y);
    if (e == Cell::Owned1 || e == Cell::Owned2) return;
    const Cell own = owned_cell(q);
    const int r = y + Board::kMargin;
    const int c = x + Board::kMargin;
    if (evaluated.element(r, c + 1) == own || evaluated.element(r, c - 1) == own ||
        evaluated.element(r + 1, c) == own || evaluated.element(r - 1, c) == own) {
      map[x][y] = params.blocked_mark;
      return;
    }
    if (!(map[x][y] < w)) return;
    map[x][y] = w;
    // Mark the square as q's on the scratch board with the one-square piece.
    PiecesLeft one_square = PiecesLeft::only(0);
    int throwaway = 0;
    setpiece(x, y, q, 0, 0, scratch, one_square, throwaway);
    const double next = w * params.decay;
    sub(x + 1, y, next);
    sub(x - 1, y, next);
    sub(x, y + 1, next);
    sub(x, y - 1, next);
  }
};

}  // namespace

const FuunParams& fuun_params(FuunVariant v) {
  switch (v) {
    case FuunVariant::Fuun3: return kFuun3;
    case FuunVariant::Fuun4: return kFuun4;
    case FuunVariant::Fuun4s: return kFuun4s;
  }
  return kFuun4;
}

int fuun_gain(FuunVariant v, int g) {
  switch (v) {
    case FuunVariant::Fuun3: return (g * g + 1) / 2;
    case FuunVariant::Fuun4: return ((3 * g) / 2 + 1) / 2;
    case FuunVariant::Fuun4s: return ((7 * g) / 2 + 1) / 2;
  }
  return 0;
}

// Each rule's terms are added to the running value one at a time, left to
// right, as (v + a) - 2b; the order changes the rounding.
double fuun_cell(FuunVariant v, double acc, double a, double b) {
  switch (v) {
    case FuunVariant::Fuun3:
      if (a < 1e-6 && b > 0) return acc - 15.0 * b;
      if (a > 0 && b < 1e-6) return acc + 10.0 * a;
      return acc + a - 2.0 * b;
    case FuunVariant::Fuun4:
      if (a == 0 && b > 0) return acc - 5.0 * b;
      if (a > 0 && b == 0) return acc + 5.0 * a;
      if (a < 1e-7 && b > 0) return acc - 2.0 * b;
      if (a > 0 && b < 1e-7) return acc + 2.0 * a;
      if (b > 0.5) return acc - b;
      return acc + a - b;
    case FuunVariant::Fuun4s:
      if (a == 0 && b > 0) return acc - 3.0 * b;
      if (a > 0 && b == 0) return acc + 3.0 * a;
      if (a < 1e-7 && b > 0) return acc - 1.0 * b;
      if (a > 0 && b < 1e-7) return acc + 1.3 * a;
      if (b > 0.5) return acc - 3.0 * b;
      return acc + a - 2.0 * b;
  }
  return acc;
}

void fuun_master(FuunVariant v, const Board& evaluated, Board& scratch, ReachMap& map, int q,
                 double w, int t, const PiecesLeft& left) {
  const FuunParams& params = fuun_params(v);
  const PiecesLeft one_square = PiecesLeft::only(0);
  Flood flood{params, evaluated, scratch, map, q};
  for (;;) {
    // 1-3. Every placement of the remaining pieces, and every single square.
    const std::vector<Move> l1 = make_legal_list(q, left, scratch, t);
    const std::vector<Move> l2 = make_legal_list(q, one_square, scratch, t);
    if (l2.empty() || l1.empty()) return;
    // 4. The mobility factor of fuun4s.
    const double m = params.mobility ? std::min(10.0, static_cast<double>(l1.size()) / 3.0) : 1.0;
    // 5. Flood from single squares early in the game, later from the real
    //    placements' reference squares.
    const int flooded_before = scratch.owned(q).count();
    const double wave_weight = w * m;
    for (const Move& mv : t < 4 ? l2 : l1) flood.sub(mv.x, mv.y, wave_weight);
    // Once the weight has underflowed to zero nothing floods any more and the
    // listings never change: stop instead of looping forever.
    if (scratch.owned(q).count() == flooded_before) return;
    // 6. The next wave.
    w = w * 0.01 * m;
    t += 1;
  }
}

double com_fuun(FuunVariant v, int g, const Board& evaluated, int p, const PiecesLeft& left,
                int t, const PiecesLeft& opp_left) {
  ReachMap a{};
  ReachMap b{};
  Board scratch_a = evaluated;
  Board scratch_b = evaluated;
  fuun_master(v, evaluated, scratch_a, a, p, 0.1, t + 1, left);
  // The opponent moves next in the same turn after player 1, in the next
  // turn after player 2.
  fuun_master(v, evaluated, scratch_b, b, 3 - p, 0.1, t + p - 1, opp_left);
  double value = static_cast<double>(fuun_gain(v, g));
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) value = fuun_cell(v, value, a[x][y], b[x][y]);
  return value;
}

}  // namespace trevosk
