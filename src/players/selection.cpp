#include "players/selection.h"

#include <cassert>

namespace trevosk {

Move find_max_of(const std::vector<Move>& moves, const std::vector<double>& values) {
  assert(!moves.empty() && moves.size() == values.size());
  std::vector<Candidate> pairs;
  pairs.reserve(moves.size());
  for (size_t i = 0; i < moves.size(); ++i) pairs.push_back({moves[i], values[i]});
  return find_max(pairs, moves.front(), -9999.0);
}

std::vector<double> com_random_assist2(const std::vector<double>& values, int turn, Rng& rng) {
  if (turn >= 4) return values;
  std::vector<double> noisy;
  noisy.reserve(values.size());
  const double bound = 0.7 / turn;
  for (double v : values) noisy.push_back(v + rng.real(bound));
  return noisy;
}

Move play_by_evaluator(Evaluator eval, bool random_assist, const PlayerContext& ctx, int player,
                       const PiecesLeft& left, const Board& field, int turn,
                       const PiecesLeft& opp_left) {
  const EvalResult r = eval(ctx, player, left, field, turn, opp_left);
  if (!random_assist) return find_max_of(r.moves, r.values);
  return find_max_of(r.moves, com_random_assist2(r.values, turn, *ctx.rng));
}

}  // namespace trevosk
