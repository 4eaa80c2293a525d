#include "players/reach_players.h"

#include "players/parallel.h"
#include "players/reach_map.h"
#include "players/selection.h"
#include "rules/legal_moves.h"
#include "rules/pieces.h"

namespace trevosk {

namespace {

// Scores every legal move by the position it leaves, the candidate applied
// to bit sets only.
EvalResult fuun_eval(FuunVariant v, int p, const PiecesLeft& left, const Board& field, int t,
                     const PiecesLeft& opp_left) {
  EvalResult r;
  r.moves = make_legal_list(p, left, field, t);
  r.values.resize(r.moves.size());
  const int q = 3 - p;
  parallel_for(static_cast<int>(r.moves.size()), [&](int i) {
    const Move& m = r.moves[i];
    const MapSide mover = map_side_after(field, p, p, m);
    const MapSide opponent = map_side_after(field, q, p, m);
    PiecesLeft own = left;
    own.set(m.piece, false);
    r.values[i] =
        com_fuun(v, piece_tables().square_count[m.piece], mover, opponent, own, t, p, opp_left);
  });
  return r;
}

}  // namespace

EvalResult com_fuun3_eval(int player, const PiecesLeft& left, int, const Board& field, int turn,
                          const PiecesLeft& opp_left) {
  return fuun_eval(FuunVariant::Fuun3, player, left, field, turn, opp_left);
}

EvalResult com_fuun4_eval(int player, const PiecesLeft& left, int, const Board& field, int turn,
                          const PiecesLeft& opp_left) {
  return fuun_eval(FuunVariant::Fuun4, player, left, field, turn, opp_left);
}

EvalResult com_fuun4s_eval(int player, const PiecesLeft& left, int, const Board& field, int turn,
                           const PiecesLeft& opp_left) {
  return fuun_eval(FuunVariant::Fuun4s, player, left, field, turn, opp_left);
}

Move com_fuun3_play(const PlayerContext&, int player, const PiecesLeft& left, int score,
                    const Board& field, int turn, const PiecesLeft& opp_left) {
  const EvalResult r = com_fuun3_eval(player, left, score, field, turn, opp_left);
  return find_max_of(r.moves, r.values);
}

Move com_fuun4_play(const PlayerContext&, int player, const PiecesLeft& left, int score,
                    const Board& field, int turn, const PiecesLeft& opp_left) {
  const EvalResult r = com_fuun4_eval(player, left, score, field, turn, opp_left);
  return find_max_of(r.moves, r.values);
}

Move com_fuun4r_play(const PlayerContext& ctx, int player, const PiecesLeft& left, int score,
                     const Board& field, int turn, const PiecesLeft& opp_left) {
  const EvalResult r = com_fuun4_eval(player, left, score, field, turn, opp_left);
  return find_max_of(r.moves, com_random_assist2(r.values, turn, *ctx.rng));
}

Move com_fuun4s_play(const PlayerContext&, int player, const PiecesLeft& left, int score,
                     const Board& field, int turn, const PiecesLeft& opp_left) {
  const EvalResult r = com_fuun4s_eval(player, left, score, field, turn, opp_left);
  return find_max_of(r.moves, r.values);
}

Move com_fuun4sr_play(const PlayerContext& ctx, int player, const PiecesLeft& left, int score,
                      const Board& field, int turn, const PiecesLeft& opp_left) {
  const EvalResult r = com_fuun4s_eval(player, left, score, field, turn, opp_left);
  return find_max_of(r.moves, com_random_assist2(r.values, turn, *ctx.rng));
}

}  // namespace trevosk
