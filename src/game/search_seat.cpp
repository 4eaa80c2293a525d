#include "game/search_seat.h"

namespace trevosk {

SearchPosition search_position(const GameState& g) {
  return SearchPosition::from(g.field, g.pieces_left, g.score, g.placed, g.blocked, g.turn,
                              g.to_move);
}

SearchResult search_game(const Game& game, const ComputerConfig& config, Rng& rng) {
  const SearchSettings& s = config.search;
  const uint64_t playouts =
      s.playouts || s.move_time > 0 ? s.playouts : level_playouts(config.level);
  // Two draws of 30 bits each make the search's seed.
  const uint64_t seed = (uint64_t(rng.index(1 << 30)) << 30) ^ uint64_t(rng.index(1 << 30));
  return search(search_position(game.state()), s, playouts, seed);
}

}  // namespace trevosk
