#include "rules/legal_moves.h"

#include <algorithm>
#include <memory>

#include "rules/pieces.h"

namespace trevosk {

void make_legal_list(int player, const PiecesLeft& left, const Board& field, int turn,
                     MoveList& out) {
  const PieceTables& t = piece_tables();
  out.clear();
  for (int piece = 0; piece < kPieceCount; ++piece) {
    if (!left[piece]) continue;
    for (int rot = 0; rot < kOrientations; ++rot) {
      if (t.rot_dup[piece][rot]) continue;
      for (int y = 0; y < kBoardSize; ++y)
        for (int x = 0; x < kBoardSize; ++x)
          if (iscanset(x, y, player, piece, rot, field, turn) &&
              islegal(x, y, player, piece, rot, field))
            out.push_back(make_move(x, y, piece, rot));
    }
  }
  std::reverse(out.begin(), out.end());
}

std::vector<Move> make_legal_list(int player, const PiecesLeft& left, const Board& field,
                                  int turn) {
  auto list = std::make_unique<MoveList>();
  make_legal_list(player, left, field, turn, *list);
  return std::vector<Move>(list->begin(), list->end());
}

bool isexist_legal(int player, const PiecesLeft& left, const Board& field, int turn) {
  const PieceTables& t = piece_tables();
  for (int piece = 0; piece < kPieceCount; ++piece) {
    if (!left[piece]) continue;
    for (int rot = 0; rot < kOrientations; ++rot) {
      if (t.rot_dup[piece][rot]) continue;
      for (int y = 0; y < kBoardSize; ++y)
        for (int x = 0; x < kBoardSize; ++x)
          if (iscanset(x, y, player, piece, rot, field, turn) &&
              islegal(x, y, player, piece, rot, field))
            return true;
    }
  }
  return false;
}

}  // namespace trevosk
