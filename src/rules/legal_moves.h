// Legal-move enumeration.
//
// Candidates are walked piece 0..20, orientation 0..7 (skipping unused pieces
// and duplicate orientations), row 0..13, column 0..13; a candidate is legal
// when iscanset and islegal both hold. The list comes out in reverse walk
// order (highest piece, orientation, row and column first), which the
// computer players' tie-breaks rely on.
#pragma once

#include <array>
#include <vector>

#include "rules/bitboard.h"
#include "rules/board.h"
#include "rules/move_list.h"

namespace trevosk {

// Fills out with every legal move of the player, in reverse walk order.
void make_legal_list(int player, const PiecesLeft& left, const Board& field, int turn,
                     MoveList& out);

// The same list as a vector, for callers outside the inner loops.
std::vector<Move> make_legal_list(int player, const PiecesLeft& left, const Board& field, int turn);

// The legal moves of a position held as one set of reference squares per
// orientation: the number of moves, and the k-th move in make_legal_list's
// order, without building the list.
class LegalSet {
 public:
  LegalSet(int player, const PiecesLeft& left, const Board& field, int turn);
  int size() const { return size_; }
  Move operator[](int k) const;

 private:
  std::array<std::array<Bitboard, kOrientations>, kPieceCount> anchors_{};
  int size_ = 0;
};

// True exactly when make_legal_list would return a non-empty list.
bool isexist_legal(int player, const PiecesLeft& left, const Board& field, int turn);

}  // namespace trevosk
