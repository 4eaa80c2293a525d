#include "match/openings.h"

#include "game/game.h"
#include "match/seeds.h"
#include "players/rng.h"

namespace trevosk {

std::vector<Move> draw_opening(uint64_t master_seed, int pair, int count) {
  Rng rng(opening_seed(master_seed, pair));
  Game game;
  std::vector<Move> moves;
  while (static_cast<int>(moves.size()) < count && !game.over()) {
    const std::vector<Move> legal = game.legal_moves();
    const Move m = legal[rng.index(static_cast<int>(legal.size()))];
    game.play(m);
    moves.push_back(m);
  }
  return moves;
}

}  // namespace trevosk
