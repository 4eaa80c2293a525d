#include <algorithm>
#include <memory>

#include "players/selection.h"
#include "reference/reference.h"
#include "rules/pieces.h"

namespace trevosk::reference {

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
  const FuunParams& params = reference::fuun_params(v);
  const PiecesLeft one_square = PiecesLeft::only(0);
  Flood flood{params, evaluated, scratch, map, q};
  for (;;) {
    // 1. Every placement of the remaining pieces, and every single square.
    const std::vector<Move> l1 = reference::make_legal_list(q, left, scratch, t);
    const std::vector<Move> l2 = reference::make_legal_list(q, one_square, scratch, t);
    if (l2.empty() || l1.empty()) return;
    // 2. The mobility factor of fuun4s.
    const double m = params.mobility ? std::min(10.0, static_cast<double>(l1.size()) / 3.0) : 1.0;
    // 3. Flood from single squares early in the game, later from the real
    //    placements' reference squares.
    const int flooded_before = scratch.owned(q).count();
    const double wave_weight = w * m;
    for (const Move& mv : t < 4 ? l2 : l1) flood.sub(mv.x, mv.y, wave_weight);
    // Once the weight has underflowed to zero nothing floods any more and the
    // listings never change: stop instead of looping forever.
    if (scratch.owned(q).count() == flooded_before) return;
    // 4. The next wave.
    w = w * 0.01 * m;
    t += 1;
  }
}

double com_fuun(FuunVariant v, int g, const Board& evaluated, int p, const PiecesLeft& left, int t,
                const PiecesLeft& opp_left) {
  ReachMap a{};
  ReachMap b{};
  Board scratch_a = evaluated;
  Board scratch_b = evaluated;
  reference::fuun_master(v, evaluated, scratch_a, a, p, 0.1, t + 1, left);
  // The opponent moves next in the same turn after player 1, in the next
  // turn after player 2.
  reference::fuun_master(v, evaluated, scratch_b, b, 3 - p, 0.1, t + p - 1, opp_left);
  double value = static_cast<double>(reference::fuun_gain(v, g));
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) value = reference::fuun_cell(v, value, a[x][y], b[x][y]);
  return value;
}

namespace {

constexpr double kDecay = 0.75;
constexpr double kBlockedMark = 1e-8;

struct PieceSetFlood {
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

void fuun6_master(const Board& evaluated, Board& scratch, PieceSetMap& map, int q, double w, int t,
                  const PiecesLeft& left, uint32_t h) {
  PieceSetFlood flood{evaluated, scratch, map, q};
  auto moves = std::make_unique<MoveList>();
  for (;;) {
    reference::f6_make_legal_list(q, left, scratch, t, map.have, *moves);
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
  const int gain = ((3 * g) / 2 + 1) / 2;
  double v = gain;
  reference::fuun6_master(evaluated, scratch_a, *a, p, 0.1, t + 1, left, reference::calchave(left));
  reference::fuun6_master(evaluated, scratch_b, *b, 3 - p, 0.1, t + p - 1, opp_left,
                          reference::calchave(opp_left));
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

EvalResult com_fuun6_eval(const PlayerContext&, int player, const PiecesLeft& left,
                          const Board& field, int turn, const PiecesLeft& opp_left) {
  EvalResult r;
  r.moves = reference::make_legal_list(player, left, field, turn);
  r.values.reserve(r.moves.size());
  for (const Move& m : r.moves) {
    Board board = field;
    PiecesLeft own = left;
    int g = 0;
    setpiece(m, player, board, own, g);
    r.values.push_back(reference::com_fuun6(g, board, player, own, turn, opp_left));
  }
  return r;
}

Move com_fuun6_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                    const Board& field, int turn, const PiecesLeft& opp_left) {
  const EvalResult r = reference::com_fuun6_eval(ctx, player, left, field, turn, opp_left);
  return find_max_of(r.moves, r.values);
}

Move com_fuun6r_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                     const Board& field, int turn, const PiecesLeft& opp_left) {
  const EvalResult r = reference::com_fuun6_eval(ctx, player, left, field, turn, opp_left);
  return find_max_of(r.moves, com_random_assist2(r.values, turn, *ctx.rng));
}

namespace {

// Scores every legal move: apply it to a copy and score the position left.
EvalResult fuun_eval(FuunVariant v, int p, const PiecesLeft& left, const Board& field, int t,
                     const PiecesLeft& opp_left) {
  EvalResult r;
  r.moves = reference::make_legal_list(p, left, field, t);
  r.values.reserve(r.moves.size());
  for (const Move& m : r.moves) {
    Board board = field;
    PiecesLeft own = left;
    int g = 0;
    setpiece(m, p, board, own, g);
    r.values.push_back(reference::com_fuun(v, g, board, p, own, t, opp_left));
  }
  return r;
}

}  // namespace

EvalResult com_fuun3_eval(const PlayerContext&, int player, const PiecesLeft& left,
                          const Board& field, int turn, const PiecesLeft& opp_left) {
  return fuun_eval(FuunVariant::Fuun3, player, left, field, turn, opp_left);
}

EvalResult com_fuun4_eval(const PlayerContext&, int player, const PiecesLeft& left,
                          const Board& field, int turn, const PiecesLeft& opp_left) {
  return fuun_eval(FuunVariant::Fuun4, player, left, field, turn, opp_left);
}

EvalResult com_fuun4s_eval(const PlayerContext&, int player, const PiecesLeft& left,
                           const Board& field, int turn, const PiecesLeft& opp_left) {
  return fuun_eval(FuunVariant::Fuun4s, player, left, field, turn, opp_left);
}

Move com_fuun3_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                    const Board& field, int turn, const PiecesLeft& opp_left) {
  const EvalResult r = reference::com_fuun3_eval(ctx, player, left, field, turn, opp_left);
  return find_max_of(r.moves, r.values);
}

Move com_fuun4_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                    const Board& field, int turn, const PiecesLeft& opp_left) {
  const EvalResult r = reference::com_fuun4_eval(ctx, player, left, field, turn, opp_left);
  return find_max_of(r.moves, r.values);
}

Move com_fuun4r_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                     const Board& field, int turn, const PiecesLeft& opp_left) {
  const EvalResult r = reference::com_fuun4_eval(ctx, player, left, field, turn, opp_left);
  return find_max_of(r.moves, com_random_assist2(r.values, turn, *ctx.rng));
}

Move com_fuun4s_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                     const Board& field, int turn, const PiecesLeft& opp_left) {
  const EvalResult r = reference::com_fuun4s_eval(ctx, player, left, field, turn, opp_left);
  return find_max_of(r.moves, r.values);
}

Move com_fuun4sr_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                      const Board& field, int turn, const PiecesLeft& opp_left) {
  const EvalResult r = reference::com_fuun4s_eval(ctx, player, left, field, turn, opp_left);
  return find_max_of(r.moves, com_random_assist2(r.values, turn, *ctx.rng));
}

std::vector<Candidate> sort_te(std::vector<Candidate> candidates) {
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const Candidate& a, const Candidate& b) { return a.value > b.value; });
  return candidates;
}

double play_sakiyomi(const PlayerContext& ctx, const Move& m, int p, const PiecesLeft& left,
                     const Board& field, int t, const PiecesLeft& opp_left, Evaluator answer,
                     Evaluator reply) {
  Board board = field;
  PiecesLeft own = left;
  PiecesLeft opp = opp_left;
  int c2 = 0, c3 = 0;
  // 1. The candidate itself.
  setpiece(m, p, board, own, c2);
  // 2. The opponent moves next; a blocked opponent is worth a fixed bonus.
  const int q = 3 - p;
  const int tq = t + p - 1;
  if (!reference::isexist_legal(q, opp, board, tq)) return static_cast<double>(10 * c2 + 10);
  // 3. The opponent's best reply by the reply evaluator.
  const EvalResult replies = reply(ctx, q, opp, board, tq, own);
  const Move r = find_max_of(replies.moves, replies.values);
  setpiece(r, q, board, opp, c3);
  // 4. The mover's best answer, or -99 when the mover is blocked.
  double e = -99.0;
  if (reference::isexist_legal(p, own, board, t + 1)) {
    const EvalResult answers = answer(ctx, p, own, board, t + 1, opp);
    e = *std::max_element(answers.values.begin(), answers.values.end());
  }
  // 5. Player 1 weighs the reply's squares twice, player 2 once.
  const int w = 3 - p;
  return static_cast<double>(c2 - w * c3 + 10) + e;
}

std::vector<Candidate> com_sante_eval(const PlayerContext& ctx, int player, const PiecesLeft& left,
                                      const Board& field, int turn, const PiecesLeft& opp_left,
                                      Evaluator answer, Evaluator reply) {
  // 1. Every legal move with its one-move value, best first.
  const EvalResult first = reference::com_fuun4_eval(ctx, player, left, field, turn, opp_left);
  std::vector<Candidate> sorted;
  sorted.reserve(first.moves.size());
  for (size_t i = 0; i < first.moves.size(); ++i)
    sorted.push_back({first.moves[i], first.values[i]});
  sorted = reference::sort_te(std::move(sorted));
  // 2. Read the first n; each read one goes to the front of the result.
  const size_t n =
      std::min(sorted.size(), static_cast<size_t>(std::max(0, ctx.think_width[player])));
  std::vector<Candidate> result;
  result.reserve(sorted.size());
  for (size_t i = 0; i < n; ++i) {
    const double d = reference::play_sakiyomi(ctx, sorted[i].move, player, left, field, turn,
                                              opp_left, answer, reply);
    result.push_back({sorted[i].move, sorted[i].value + d});
  }
  std::reverse(result.begin(), result.end());
  // 3. The unread rest keeps its one-move values.
  result.insert(result.end(), sorted.begin() + static_cast<long>(n), sorted.end());
  return result;
}

Move com_fuun5_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                    const Board& field, int turn, const PiecesLeft& opp_left) {
  const std::vector<Candidate> r =
      reference::com_sante_eval(ctx, player, left, field, turn, opp_left, reference::com_fuun4_eval,
                                reference::com_fuun4_eval);
  return find_max(r, r.front().move, -9999.0);
}

Move com_fuun5r_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                     const Board& field, int turn, const PiecesLeft& opp_left) {
  const std::vector<Candidate> r =
      reference::com_sante_eval(ctx, player, left, field, turn, opp_left, reference::com_fuun4_eval,
                                reference::com_fuun4_eval);
  std::vector<Move> moves;
  std::vector<double> values;
  for (const Candidate& c : r) {
    moves.push_back(c.move);
    values.push_back(c.value);
  }
  return find_max_of(moves, com_random_assist2(values, turn, *ctx.rng));
}

}  // namespace trevosk::reference

namespace trevosk::reference {

namespace {

struct IntCandidate {
  Move move;
  int value;
};

Move random_legal_move(Rng& rng, int player, const PiecesLeft& left, const Board& field, int turn) {
  const std::vector<Move> moves = reference::make_legal_list(player, left, field, turn);
  return moves[rng.index(static_cast<int>(moves.size()))];
}

}  // namespace

Move com_rand_play(const PlayerContext& ctx, int player, const PiecesLeft& left, const Board& field,
                   int turn, const PiecesLeft& /*opp_left*/) {
  return random_legal_move(*ctx.rng, player, left, field, turn);
}

int com_mont(Rng& rng, int p, int t0, int v, Board& board, int t, int q, PiecesLeft& left_q,
             PiecesLeft& left_other) {
  PiecesLeft* mover = &left_q;
  PiecesLeft* other = &left_other;
  for (;;) {
    if (t > 20 || t > t0 + 15 || v < -2) return v;
    if (!reference::isexist_legal(q, *mover, board, t)) return v;
    const Move m = random_legal_move(rng, q, *mover, board, t);
    int c = 0;
    setpiece(m, q, board, *mover, c);
    v = q == p ? v + c : v - c;
    t = t + q - 1;
    q = 3 - q;
    std::swap(mover, other);
  }
}

Move com_monte_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                    const Board& field, int turn, const PiecesLeft& opp_left) {
  const int p = player;
  const std::vector<Move> moves = reference::make_legal_list(p, left, field, turn);
  std::vector<IntCandidate> pairs;
  pairs.reserve(moves.size());
  for (const Move& m : moves) {
    Board board = field;
    PiecesLeft own = left;
    PiecesLeft opp = opp_left;
    int c = 0;
    setpiece(m, p, board, own, c);
    const int value =
        reference::com_mont(*ctx.rng, p, turn, c, board, turn + p - 1, 3 - p, opp, own);
    pairs.push_back({m, value});
  }
  return find_max<IntCandidate, int>(pairs, moves.front(), -1);
}

}  // namespace trevosk::reference
