// SearchPosition: the game's state as the search copies and plays it.
//
// A small value (about 180 bytes) that the search copies once per
// simulation and plays forward: the squares of each player as bitboards,
// their uncovered start squares, pieces left, scores, who has placed and
// who is blocked, the turn and the side to move. It follows the game's
// rules exactly: a player who has not placed is held to the first-move
// rule, a player who has placed and cannot place is blocked for good, and
// the game is over when both are blocked or turn 22 is done.
//
// Players are indexed 0 and 1 here (player numbers 1 and 2 elsewhere).
#pragma once

#include <array>
#include <cstdint>

#include "rules/bitboard.h"
#include "rules/board.h"
#include "rules/move.h"
#include "rules/pieces_left.h"
#include "rules/placement.h"

namespace trevosk {

// The squares of each orientation with the reference square at picture
// (2, 2), and the placement's squares for a move, all as bitboards.
struct Shape {
  Bitboard squares;  // the picture's squares at bit row * 16 + column
  int size;
};
const Shape& shape(int piece, int rot);
// The squares a placement on the board covers.
inline Bitboard move_squares(const Move& m) {
  return shape(m.piece, m.rot)
      .squares.shifted_far(Bitboard::index(m.x, m.y) - Bitboard::index(2, 2));
}

struct SearchPosition {
  std::array<Bitboard, 2> own{};
  std::array<Bitboard, 2> start{};  // each player's start square while uncovered
  std::array<uint32_t, 2> left{};   // pieces left, bit i for piece i
  std::array<uint8_t, 2> score{};
  std::array<bool, 2> placed{};
  std::array<bool, 2> blocked{};
  uint8_t turn = 1;
  uint8_t to_move = 0;  // 0: player 1, 1: player 2

  // The start of a game.
  static SearchPosition initial();
  // A position of the game from its board and per-player state (indexed by
  // player number 1 and 2, index 0 unused).
  static SearchPosition from(const Board& field, const std::array<PiecesLeft, 3>& left,
                             const std::array<int, 3>& score, const std::array<bool, 3>& placed,
                             const std::array<bool, 3>& blocked, int turn, int to_move);

  bool over() const { return (blocked[0] && blocked[1]) || turn > 22; }
  Bitboard occupied() const { return own[0] | own[1]; }
  // The masks the placement search uses for player i's next placement.
  PlacementMasks masks(int i) const;
  // Player i's open corners: the squares one of which its next piece must
  // cover (its start square before its first placement).
  Bitboard corners(int i) const {
    const PlacementMasks m = masks(i);
    return m.allowed & m.target;
  }

  // Plays a legal placement of the side to move.
  void play(const Move& m);
  // The side to move passes. A player who has placed and cannot place is
  // then blocked for good; any other pass marks nothing.
  void pass();

  // Final score difference from player i's view.
  int margin(int i) const { return int(score[i]) - int(score[1 - i]); }

  friend bool operator==(const SearchPosition&, const SearchPosition&) = default;
};

}  // namespace trevosk
