#include <algorithm>
#include <memory>

#include "reference/reference.h"
#include "rules/pieces.h"

namespace trevosk::reference {

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
          if (trevosk::iscanset(x, y, player, piece, rot, field, turn) &&
              trevosk::islegal(x, y, player, piece, rot, field))
            out.push_back(make_move(x, y, piece, rot));
    }
  }
  std::reverse(out.begin(), out.end());
}

std::vector<Move> make_legal_list(int player, const PiecesLeft& left, const Board& field,
                                  int turn) {
  auto list = std::make_unique<MoveList>();
  reference::make_legal_list(player, left, field, turn, *list);
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
          if (trevosk::iscanset(x, y, player, piece, rot, field, turn) &&
              trevosk::islegal(x, y, player, piece, rot, field))
            return true;
    }
  }
  return false;
}

bool f6_table_legal(const HaveMasks& have, int piece, int x, int y) {
  static constexpr int kDy[] = {0, 1, 2, 3, -1, -2, -3};
  static constexpr int kDx[] = {-1, -2, 1, 2, -3, 3};
  const uint32_t bit = uint32_t{1} << piece;
  for (int dy : kDy)
    for (int dx : kDx) {
      const int px = x + dx;
      const int py = y + dy;
      if (px < 0 || px >= kBoardSize || py < 0 || py >= kBoardSize) continue;
      if ((have[px][py] & bit) > 0) return true;
    }
  return false;
}

void f6_make_legal_list(int player, const PiecesLeft& left, const Board& field, int turn,
                        const HaveMasks& have, MoveList& out) {
  const PieceTables& t = piece_tables();
  out.clear();
  for (int piece = 0; piece < kPieceCount; ++piece) {
    if (!left[piece]) continue;
    for (int rot = 0; rot < kOrientations; ++rot) {
      if (t.rot_dup[piece][rot]) continue;
      for (int y = 0; y < kBoardSize; ++y)
        for (int x = 0; x < kBoardSize; ++x)
          if (trevosk::iscanset(x, y, player, piece, rot, field, turn) &&
              trevosk::islegal(x, y, player, piece, rot, field) &&
              (turn <= 5 || reference::f6_table_legal(have, piece, x, y)))
            out.push_back(make_move(x, y, piece, rot));
    }
  }
  std::reverse(out.begin(), out.end());
}

}  // namespace trevosk::reference
