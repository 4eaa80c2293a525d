#include "game/computer_seat.h"

#include "game/search_seat.h"
#include "players/levels.h"

namespace trevosk {

Move computer_choice(const Game& game, const ComputerConfig& config, Rng& rng) {
  const int p = game.to_move();
  if (!game.can_place()) return Move::pass();
  if (config.use_joseki && p == 1 && game.turn() == 1) return kJoseki;
  if (config.level >= kFirstSearchLevel) return search_game(game, config, rng).move;
  PlayerContext ctx{&rng};
  ctx.think_width[p] = level_think_width(config.level, config.think_width);
  ctx.threads = config.threads;
  // A player who has not placed yet is searched as on turn 1, where the
  // first-move rule holds; a computer seat always places on turn 1 anyway.
  return level_strategy(p, config.level, config.random_assist)(
      ctx, p, game.pieces_left(p), game.board(), game.rule_turn(), game.pieces_left(3 - p));
}

}  // namespace trevosk
