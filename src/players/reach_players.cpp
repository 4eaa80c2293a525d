#include "players/reach_players.h"

#include "players/reach_map.h"
#include "players/selection.h"

namespace trevosk {

namespace {

EvalResult fuun_eval(FuunVariant v, const PlayerContext& ctx, int p, const PiecesLeft& left,
                     const Board& field, int t, const PiecesLeft& opp_left) {
  return evaluate_candidates(
      ctx.threads, p, left, field, t,
      [&](int g, const MapSide& mover, const MapSide& opponent, const PiecesLeft& own) {
        return com_fuun(v, g, mover, opponent, own, t, p, opp_left);
      });
}

}  // namespace

EvalResult com_fuun3_eval(const PlayerContext& ctx, int player, const PiecesLeft& left,
                          const Board& field, int turn, const PiecesLeft& opp_left) {
  return fuun_eval(FuunVariant::Fuun3, ctx, player, left, field, turn, opp_left);
}

EvalResult com_fuun4_eval(const PlayerContext& ctx, int player, const PiecesLeft& left,
                          const Board& field, int turn, const PiecesLeft& opp_left) {
  return fuun_eval(FuunVariant::Fuun4, ctx, player, left, field, turn, opp_left);
}

EvalResult com_fuun4s_eval(const PlayerContext& ctx, int player, const PiecesLeft& left,
                           const Board& field, int turn, const PiecesLeft& opp_left) {
  return fuun_eval(FuunVariant::Fuun4s, ctx, player, left, field, turn, opp_left);
}

Move com_fuun3_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                    const Board& field, int turn, const PiecesLeft& opp_left) {
  return play_by_evaluator(com_fuun3_eval, false, ctx, player, left, field, turn, opp_left);
}

Move com_fuun4_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                    const Board& field, int turn, const PiecesLeft& opp_left) {
  return play_by_evaluator(com_fuun4_eval, false, ctx, player, left, field, turn, opp_left);
}

Move com_fuun4r_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                     const Board& field, int turn, const PiecesLeft& opp_left) {
  return play_by_evaluator(com_fuun4_eval, true, ctx, player, left, field, turn, opp_left);
}

Move com_fuun4s_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                     const Board& field, int turn, const PiecesLeft& opp_left) {
  return play_by_evaluator(com_fuun4s_eval, false, ctx, player, left, field, turn, opp_left);
}

Move com_fuun4sr_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                      const Board& field, int turn, const PiecesLeft& opp_left) {
  return play_by_evaluator(com_fuun4s_eval, true, ctx, player, left, field, turn, opp_left);
}

}  // namespace trevosk
