#include "rules/legal_moves.h"

#include "rules/placement.h"

namespace trevosk {

namespace {

// Calls emit(move) for every legal move, in make_legal_list's order.
template <class Emit>
void for_each_legal(int player, const PiecesLeft& left, const Board& field, int turn, Emit&& emit) {
  const PlacementMasks masks = placement_masks(field, player, turn);
  if ((masks.allowed & masks.target).none()) return;
  const PlacementFinder finder(masks, left);
  // Emitting pieces, orientations and squares from the highest down gives
  // the reverse of the walk order directly.
  for_each_orientation(left, [&](int piece, int rot) {
    finder.anchors(piece, rot).for_each_descending([&](int i) {
      emit(anchored_move(i, piece, rot));
    });
  });
}

}  // namespace

void make_legal_list(int player, const PiecesLeft& left, const Board& field, int turn,
                     MoveList& out) {
  out.clear();
  for_each_legal(player, left, field, turn, [&](const Move& m) { out.push_back(m); });
}

std::vector<Move> make_legal_list(int player, const PiecesLeft& left, const Board& field,
                                  int turn) {
  std::vector<Move> moves;
  for_each_legal(player, left, field, turn, [&](const Move& m) { moves.push_back(m); });
  return moves;
}

LegalSet::LegalSet(int player, const PiecesLeft& left, const Board& field, int turn) {
  const PlacementMasks masks = placement_masks(field, player, turn);
  if ((masks.allowed & masks.target).none()) return;
  const PlacementFinder finder(masks, left);
  for_each_orientation(left, [&](int piece, int rot) {
    anchors_[piece][rot] = finder.anchors(piece, rot);
    size_ += anchors_[piece][rot].count();
  });
}

Move LegalSet::operator[](int k) const {
  // Walk the orientations in list order (highest first), skipping whole
  // orientations until the k-th move falls inside one.
  for (int piece = kPieceCount - 1; piece >= 0; --piece)
    for (int rot = kOrientations - 1; rot >= 0; --rot) {
      const Bitboard& a = anchors_[piece][rot];
      const int n = a.count();
      if (k >= n) {
        k -= n;
        continue;
      }
      Move found{};
      a.for_each_descending([&](int i) {
        if (k-- == 0) found = anchored_move(i, piece, rot);
      });
      return found;
    }
  return Move{};
}

bool isexist_legal(int player, const PiecesLeft& left, const Board& field, int turn) {
  const PlacementMasks masks = placement_masks(field, player, turn);
  if ((masks.allowed & masks.target).none() || left.empty()) return false;
  const PlacementFinder finder(masks, left);
  for (int piece = 0; piece < kPieceCount; ++piece)
    if (left[piece] && finder.piece_anchors(piece).any()) return true;
  return false;
}

}  // namespace trevosk
