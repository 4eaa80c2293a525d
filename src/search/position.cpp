#include "search/position.h"

#include "rules/pieces.h"
#include "search/orientations.h"

namespace trevosk {

namespace {

struct ShapeTable {
  std::array<std::array<Shape, kOrientations>, kPieceCount> shapes;
};

const ShapeTable& shape_table() {
  static const ShapeTable table = [] {
    const PieceTables& t = piece_tables();
    ShapeTable s{};
    for (int p = 0; p < kPieceCount; ++p)
      for (int r = 0; r < kOrientations; ++r) {
        for (const Cell2& c : t.cell_list[p][r])
          s.shapes[p][r].squares.set(Bitboard::index(c.x, c.y));
        s.shapes[p][r].size = t.square_count[p];
      }
    return s;
  }();
  return table;
}

}  // namespace

const Shape& shape(int piece, int rot) { return shape_table().shapes[piece][rot]; }

SearchPosition SearchPosition::initial() {
  SearchPosition s;
  s.start[0] = Bitboard::square(start_x(1), start_x(1));
  s.start[1] = Bitboard::square(start_x(2), start_x(2));
  s.left = {PiecesLeft().mask(), PiecesLeft().mask()};
  return s;
}

SearchPosition SearchPosition::from(const Board& field, const std::array<PiecesLeft, 3>& left,
                                    const std::array<int, 3>& score,
                                    const std::array<bool, 3>& placed,
                                    const std::array<bool, 3>& blocked, int turn, int to_move) {
  SearchPosition s;
  for (int i = 0; i < 2; ++i) {
    s.own[i] = field.owned(i + 1);
    s.start[i] = field.starts(i + 1);
    s.left[i] = left[i + 1].mask();
    s.score[i] = static_cast<uint8_t>(score[i + 1]);
    s.placed[i] = placed[i + 1];
    s.blocked[i] = blocked[i + 1];
  }
  s.turn = static_cast<uint8_t>(turn);
  s.to_move = static_cast<uint8_t>(to_move - 1);
  return s;
}

PlacementMasks SearchPosition::masks(int i) const {
  // Before its first placement a player must cover its start square.
  return placement_masks(own[i], occupied(), start[i], placed[i] ? 2 : 1);
}

void SearchPosition::play(const Move& m) {
  const int i = to_move;
  const Bitboard squares = move_squares(m);
  own[i] |= squares;
  start[0] &= ~squares;
  start[1] &= ~squares;
  left[i] &= ~(uint32_t{1} << m.piece);
  score[i] = static_cast<uint8_t>(score[i] + shape(m.piece, m.rot).size);
  placed[i] = true;
  if (i == 1) ++turn;
  to_move = static_cast<uint8_t>(1 - i);
}

void SearchPosition::pass() {
  const int i = to_move;
  // A pass by choice marks nothing; a player who has placed and cannot
  // place any more is blocked for good.
  if (placed[i] && !blocked[i]) {
    blocked[i] = !has_placement(*this);
  }
  if (i == 1) ++turn;
  to_move = static_cast<uint8_t>(1 - i);
}

}  // namespace trevosk
