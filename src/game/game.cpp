#include "game/game.h"

#include <cassert>

#include "rules/legal_moves.h"

namespace trevosk {

bool Game::can_place() const {
  const int p = to_move();
  return !over() && isexist_legal(p, pieces_left(p), board(), rule_turn());
}

std::vector<Move> Game::legal_moves() const {
  if (over()) return {};
  const int p = to_move();
  std::vector<Move> moves = make_legal_list(p, pieces_left(p), board(), rule_turn());
  if (moves.empty()) moves.push_back(Move::pass());
  return moves;
}

bool Game::is_legal(const Move& m) const {
  if (over()) return false;
  if (m.is_pass()) return true;
  const int p = to_move();
  return m.x >= 0 && m.x < kBoardSize && m.y >= 0 && m.y < kBoardSize && m.piece >= 0 &&
         m.piece < kPieceCount && m.rot >= 0 && m.rot < kOrientations && pieces_left(p)[m.piece] &&
         iscanset(m.x, m.y, p, m.piece, m.rot, board(), rule_turn()) &&
         islegal(m.x, m.y, p, m.piece, m.rot, board());
}

MoveKind Game::play(const Move& m) {
  assert(is_legal(m));
  const int p = to_move();
  MoveKind kind = MoveKind::Placed;
  if (m.is_pass()) kind = must_pass() ? MoveKind::Blocked : MoveKind::Passed;
  history_.push_back(HalfMove{p, turn(), m, kind, state_});
  GameState& s = state_;
  if (kind == MoveKind::Placed) {
    setpiece(m, p, s.field, s.pieces_left[p], s.score[p]);
    s.placed[p] = true;
  } else if (kind == MoveKind::Blocked) {
    s.blocked[p] = true;
  }
  // Player 2 moves in the same turn after player 1; the next turn follows.
  if (p == 1) {
    s.to_move = 2;
  } else {
    s.to_move = 1;
    ++s.turn;
  }
  return kind;
}

bool Game::undo() {
  if (history_.empty()) return false;
  state_ = history_.back().before;
  history_.pop_back();
  return true;
}

}  // namespace trevosk
