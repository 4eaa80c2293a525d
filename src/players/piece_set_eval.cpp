#include "players/piece_set_eval.h"

#include <memory>

#include "players/selection.h"
#include "rules/legal_moves.h"

namespace trevosk {

namespace {

constexpr double kDecay = 0.75;
constexpr double kBlockedMark = 1e-8;

struct Flood {
  const Board& evaluated;
  Board& scratch;
  PieceSetMap& map;
  int q;

  void sub(int x, int y, double w, uint32_t mask) {
    if (x < 0 || x >= kBoardSize || y < 0 || y >= kBoardSize) return;
    const Cell e = evaluated.square(x, y);
    if (e == Cell::Owned1 || e == Cell::Owned2) return;
    const Cell own = owned_cell(q);
    const int r = y + Board::kMargin;
    const int c = x + Board::kMargin;
    if (evaluated.element(r, c + 1) == own || evaluated.element(r, c - 1) == own ||
        evaluated.element(r + 1, c) == own || evaluated.element(r - 1, c) == own) {
      map.weight[x][y] = kBlockedMark;
      map.have[x][y] = 0;
      return;
    }
    if (!(map.weight[x][y] < w)) return;
    map.weight[x][y] = w;
    map.have[x][y] = mask;
    PiecesLeft one_square = PiecesLeft::only(0);
    int throwaway = 0;
    setpiece(x, y, q, 0, 0, scratch, one_square, throwaway);
    const double next = w * kDecay;
    sub(x + 1, y, next, mask);
    sub(x - 1, y, next, mask);
    sub(x, y + 1, next, mask);
    sub(x, y - 1, next, mask);
  }
};

}  // namespace

uint32_t calchave(const PiecesLeft& left) {
  uint32_t h = 0;
  for (int i = 0; i < kPieceCount; ++i)
    if (left[i]) h += uint32_t{1} << i;
  return h;
}

void fuun6_master(const Board& evaluated, Board& scratch, PieceSetMap& map, int q, double w,
                  int t, const PiecesLeft& left, uint32_t h) {
  Flood flood{evaluated, scratch, map, q};
  auto moves = std::make_unique<MoveList>();
  for (;;) {
    f6_make_legal_list(q, left, scratch, t, map.have, *moves);
    if (moves->empty()) return;
    const int flooded_before = scratch.owned(q).count();
    for (const Move& m : *moves) flood.sub(m.x, m.y, w, h & ~(uint32_t{1} << m.piece));
    // A weight underflowed to zero floods nothing: stop instead of looping.
    if (scratch.owned(q).count() == flooded_before) return;
    w = w * 0.01;
    t += 1;
  }
}

double com_fuun6(int g, const Board& evaluated, int p, const PiecesLeft& left, int t,
                 const PiecesLeft& opp_left) {
  auto a = std::make_unique<PieceSetMap>();
  auto b = std::make_unique<PieceSetMap>();
  Board scratch_a = evaluated;
  Board scratch_b = evaluated;
  double v = static_cast<double>(((3 * g) / 2 + 1) / 2);
  fuun6_master(evaluated, scratch_a, *a, p, 0.1, t + 1, left, calchave(left));
  fuun6_master(evaluated, scratch_b, *b, 3 - p, 0.1, t + p - 1, opp_left, calchave(opp_left));
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      const double av = a->weight[x][y];
      const double bv = b->weight[x][y];
      const double fa = a->have[x][y] > 1000 ? 3.0 : 1.0;
      const double fb = b->have[x][y] > 1000 ? 3.0 : 1.0;
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

EvalResult com_fuun6_eval(int player, const PiecesLeft& left, int, const Board& field, int turn,
                          const PiecesLeft& opp_left) {
  EvalResult r;
  r.moves = make_legal_list(player, left, field, turn);
  r.values.reserve(r.moves.size());
  for (const Move& m : r.moves) {
    Board board = field;
    PiecesLeft own = left;
    int g = 0;
    setpiece(m, player, board, own, g);
    r.values.push_back(com_fuun6(g, board, player, own, turn, opp_left));
  }
  return r;
}

Move com_fuun6_play(const PlayerContext&, int player, const PiecesLeft& left, int score,
                    const Board& field, int turn, const PiecesLeft& opp_left) {
  const EvalResult r = com_fuun6_eval(player, left, score, field, turn, opp_left);
  return find_max_of(r.moves, r.values);
}

Move com_fuun6r_play(const PlayerContext& ctx, int player, const PiecesLeft& left, int score,
                     const Board& field, int turn, const PiecesLeft& opp_left) {
  const EvalResult r = com_fuun6_eval(player, left, score, field, turn, opp_left);
  return find_max_of(r.moves, com_random_assist2(r.values, turn, *ctx.rng));
}

}  // namespace trevosk
