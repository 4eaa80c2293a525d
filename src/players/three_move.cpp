#include "players/three_move.h"

#include <algorithm>

#include "players/parallel.h"
#include "players/reach_players.h"
#include "players/selection.h"
#include "rules/legal_moves.h"

namespace trevosk {

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
  if (!isexist_legal(q, opp, board, tq)) return static_cast<double>(10 * c2 + 10);
  // 3. The opponent's best reply by the reply evaluator.
  const EvalResult replies = reply(ctx, q, opp, board, tq, own);
  const Move r = find_max_of(replies.moves, replies.values);
  setpiece(r, q, board, opp, c3);
  // 4. The mover's best answer, or -99 when the mover is blocked.
  double e = -99.0;
  if (isexist_legal(p, own, board, t + 1)) {
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
  const EvalResult first = com_fuun4_eval(ctx, player, left, field, turn, opp_left);
  std::vector<Candidate> sorted;
  sorted.reserve(first.moves.size());
  for (size_t i = 0; i < first.moves.size(); ++i)
    sorted.push_back({first.moves[i], first.values[i]});
  sorted = sort_te(std::move(sorted));
  // 2. Read the first n on the context's threads (one candidate per task)
  //    unless the position is too poor in moves to be worth the threads;
  //    each read one goes to the front of the result.
  const size_t n =
      std::min(sorted.size(), static_cast<size_t>(std::max(0, ctx.think_width[player])));
  std::vector<double> reading(n);
  parallel_for(
      ctx.threads, static_cast<int>(n),
      [&](int i) {
        reading[i] =
            play_sakiyomi(ctx, sorted[i].move, player, left, field, turn, opp_left, answer, reply);
      },
      sorted.size() >= 16 ? 2 : static_cast<int>(n) + 1);
  std::vector<Candidate> result;
  result.reserve(sorted.size());
  for (size_t i = n; i-- > 0;) result.push_back({sorted[i].move, sorted[i].value + reading[i]});
  // 3. The unread rest keeps its one-move values.
  result.insert(result.end(), sorted.begin() + static_cast<long>(n), sorted.end());
  return result;
}

Move com_fuun5_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                    const Board& field, int turn, const PiecesLeft& opp_left) {
  const std::vector<Candidate> r =
      com_sante_eval(ctx, player, left, field, turn, opp_left, com_fuun4_eval, com_fuun4_eval);
  return find_max(r, r.front().move, -9999.0);
}

Move com_fuun5r_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                     const Board& field, int turn, const PiecesLeft& opp_left) {
  const std::vector<Candidate> r =
      com_sante_eval(ctx, player, left, field, turn, opp_left, com_fuun4_eval, com_fuun4_eval);
  std::vector<Move> moves;
  std::vector<double> values;
  for (const Candidate& c : r) {
    moves.push_back(c.move);
    values.push_back(c.value);
  }
  return find_max_of(moves, com_random_assist2(values, turn, *ctx.rng));
}

}  // namespace trevosk
