#include "game/game_loop.h"

#include <cstdio>

#include "game/dispatch.h"
#include "rules/legal_moves.h"

namespace trevosk {

namespace {

void redraw(Display& d, const GameState& g, int turn, int player) {
  d.draw_board(g.field);
  d.draw_pieces(g.pieces_left[1], 1);
  d.draw_pieces(g.pieces_left[2], 2);
  d.draw_score(g.score[1], g.score[2], turn, player);
}

}  // namespace

std::string result_line(int score1, int score2) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "Player1:%2d  v.s. Player2:%2d  Finished.\n", score1, score2);
  return buf;
}

void run_game(const Settings& settings, const PlayerContext& ctx, GameState& game, GameIo io) {
  for (int turn = 1; turn <= 22; ++turn) {
    for (int p = 1; p <= 2; ++p) {
      // Once both players are blocked the remaining half-turns do nothing.
      if (game.pass_bits >= 3) continue;
      redraw(io.display, game, turn, p);
      // A player is tested for a pass only after its first placement.
      if (!game.first_move[p] && !isexist_legal(p, game.pieces_left[p], game.field, turn)) {
        game.pass_bits |= p;  // bit 0 for player 1, bit 1 for player 2
        io.display.show_pass(p);
        continue;
      }
      if (settings.is_com[p]) {
        play_com(ctx, settings, game, p, turn, io.log);
        game.first_move[p] = false;
      } else {
        io.human.play(game, p, turn);
      }
    }
  }
  redraw(io.display, game, 99, 2);
  io.out << result_line(game.score[1], game.score[2]) << std::flush;
  io.display.finish();
}

}  // namespace trevosk
