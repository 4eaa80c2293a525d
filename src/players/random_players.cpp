#include "players/random_players.h"

#include <utility>
#include <vector>

#include "players/selection.h"
#include "rules/legal_moves.h"

namespace trevosk {

namespace {

struct IntCandidate {
  Move move;
  int value;
};

// One uniform draw among the legal moves, in make_legal_list's order.
Move random_legal_move(Rng& rng, const LegalSet& moves) { return moves[rng.index(moves.size())]; }

}  // namespace

Move com_rand_play(const PlayerContext& ctx, int player, const PiecesLeft& left, const Board& field,
                   int turn, const PiecesLeft& /*opp_left*/) {
  return random_legal_move(*ctx.rng, LegalSet(player, left, field, turn));
}

int com_mont(Rng& rng, int p, int t0, int v, Board& board, int t, int q, PiecesLeft& left_q,
             PiecesLeft& left_other) {
  PiecesLeft* mover = &left_q;
  PiecesLeft* other = &left_other;
  for (;;) {
    if (t > 20 || t > t0 + 15 || v < -2) return v;
    const LegalSet moves(q, *mover, board, t);
    if (moves.size() == 0) return v;  // the next mover is blocked
    const Move m = random_legal_move(rng, moves);
    int c = 0;
    setpiece(m, q, board, *mover, c);
    v = q == p ? v + c : v - c;
    // The turn stays after player 1 and grows by one after player 2.
    t = t + q - 1;
    q = 3 - q;
    std::swap(mover, other);
  }
}

Move com_monte_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                    const Board& field, int turn, const PiecesLeft& opp_left) {
  const int p = player;
  const std::vector<Move> moves = make_legal_list(p, left, field, turn);
  std::vector<IntCandidate> pairs;
  pairs.reserve(moves.size());
  for (const Move& m : moves) {
    Board board = field;
    PiecesLeft own = left;
    PiecesLeft opp = opp_left;
    int c = 0;
    setpiece(m, p, board, own, c);
    // The opponent's next move: turn t0 after player 1, t0 + 1 after player 2.
    const int value = com_mont(*ctx.rng, p, turn, c, board, turn + p - 1, 3 - p, opp, own);
    pairs.push_back({m, value});
  }
  return find_max<IntCandidate, int>(pairs, moves.front(), -1);
}

}  // namespace trevosk
