#include "game/dispatch.h"

#include "players/piece_set_eval.h"
#include "players/random_players.h"
#include "players/reach_players.h"
#include "players/three_move.h"

namespace trevosk {

namespace {

// The strategies of levels 1 to 8, left to right, without and with random assist.
constexpr LevelTable kP1 = {com_rand_play,   com_monte_play, com_fuun3_play,  com_fuun4_play,
                            com_fuun4s_play, com_fuun5_play, com_fuun5s_play, com_fuun5s_play};
constexpr LevelTable kP2 = {com_rand_play,  com_monte_play,  com_fuun6_play, com_fuun3_play,
                            com_fuun4_play, com_fuun5s_play, com_fuun5_play, com_fuun5_play};
constexpr LevelTable kP1R = {com_rand_play,    com_monte_play,  com_fuun3_play,   com_fuun4r_play,
                             com_fuun4sr_play, com_fuun5r_play, com_fuun5sr_play, com_fuun5sr_play};
constexpr LevelTable kP2R = {com_rand_play,   com_monte_play,   com_fuun3_play,  com_fuun6r_play,
                             com_fuun4r_play, com_fuun5sr_play, com_fuun5r_play, com_fuun5r_play};

constexpr Move kJoseki = make_move(5, 5, 19, 0);  // 66t0

}  // namespace

const LevelTable& level_table(int player, bool random_assist) {
  if (player == 1) return random_assist ? kP1R : kP1;
  return random_assist ? kP2R : kP2;
}

ComPlayer strategy_for(const Settings& settings, int player) {
  return level_table(player, settings.random_assist)[settings.level[player] - 1];
}

Move play_joseki(const PlayerContext& ctx, const Settings& settings, int player,
                 const PiecesLeft& left, int score, const Board& field, int turn,
                 const PiecesLeft& opp_left) {
  if (player == 1) return kJoseki;
  return strategy_for(settings, player)(ctx, player, left, score, field, turn, opp_left);
}

void play_com(const PlayerContext& ctx, const Settings& settings, GameState& game, int player,
              int turn, MoveLog& log) {
  const int opp = 3 - player;
  const PiecesLeft& left = game.pieces_left[player];
  const int score = game.score[player];
  const Move m =
      settings.use_joseki && turn == 1
          ? play_joseki(ctx, settings, player, left, score, game.field, turn, game.pieces_left[opp])
          : strategy_for(settings, player)(ctx, player, left, score, game.field, turn,
                                           game.pieces_left[opp]);
  setpiece(m, player, game.field, game.pieces_left[player], game.score[player], &log);
}

}  // namespace trevosk
