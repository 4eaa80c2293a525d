#include "game/perft.h"

#include <vector>

#include "rules/legal_moves.h"

namespace trevosk {

namespace {

// One move list per ply, allocated before the search.
uint64_t count(Game& game, int depth, std::vector<MoveList>& lists) {
  if (depth == 0) return 1;
  if (game.over()) return 0;
  const int p = game.to_move();
  if (depth == 1) {
    // At the last ply the moves are counted, not played.
    const int n = LegalSet(p, game.pieces_left(p), game.board(), game.rule_turn()).size();
    return n > 0 ? n : 1;
  }
  MoveList& moves = lists[depth - 1];
  make_legal_list(p, game.pieces_left(p), game.board(), game.rule_turn(), moves);
  if (moves.empty()) moves.push_back(Move::pass());
  uint64_t total = 0;
  for (const Move& m : moves) {
    game.play(m);
    total += count(game, depth - 1, lists);
    game.undo();
  }
  return total;
}

}  // namespace

uint64_t perft(const Game& game, int depth) {
  Game copy = game;
  std::vector<MoveList> lists(depth > 0 ? depth : 0);
  return count(copy, depth, lists);
}

}  // namespace trevosk
