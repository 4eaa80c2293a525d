// Positions for the property tests: games of random legal moves from the
// start, and boards drawn as text.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "players/rng.h"
#include "rules/board.h"
#include "rules/legal_moves.h"
#include "rules/pieces.h"

namespace trevosk::fixtures {

// A position with the player to move; per-player fields indexed 1 or 2.
struct Position {
  Board field;
  std::array<PiecesLeft, 3> left{};
  std::array<int, 3> score{0, 0, 0};
  int turn = 1;
  int player = 1;
  // The mover's legal moves, as the game that reached the position listed
  // them.
  std::vector<Move> moves;

  const PiecesLeft& own() const { return left[player]; }
  const PiecesLeft& opp() const { return left[3 - player]; }
};

// Plays `games` random games in the game loop's turn order and returns the
// position before every half-turn until both players are blocked, blocked
// half-turns included.
inline std::vector<Position> random_positions(uint64_t seed, int games) {
  Rng rng(seed);
  std::vector<Position> out;
  for (int g = 0; g < games; ++g) {
    Position pos;
    int blocked = 0;
    for (int turn = 1; turn <= 22 && blocked != 3; ++turn)
      for (int p = 1; p <= 2 && blocked != 3; ++p) {
        pos.turn = turn;
        pos.player = p;
        pos.moves = make_legal_list(p, pos.left[p], pos.field, turn);
        out.push_back(pos);
        const std::vector<Move>& moves = pos.moves;
        if (moves.empty()) {
          blocked |= p;
          continue;
        }
        const Move m = moves[rng.index(static_cast<int>(moves.size()))];
        setpiece(m, p, pos.field, pos.left[p], pos.score[p]);
      }
  }
  return out;
}

// The position with the mover's pieces cut down, in an order that varies
// with the position, to a set with 1 to max_moves legal moves (or to the
// piece with the fewest moves, when every piece has more); nullopt when the
// mover has no move.
inline std::optional<Position> with_few_moves(const Position& pos, size_t max_moves) {
  std::array<size_t, kPieceCount> count{};
  for (const Move& m : pos.moves) ++count[m.piece];
  PiecesLeft kept = PiecesLeft::none();
  size_t total = 0;
  for (int k = 0; k < kPieceCount; ++k) {
    const int piece = (pos.turn * 7 + pos.player * 3 + k) % kPieceCount;
    if (count[piece] > 0 && total + count[piece] <= max_moves) {
      kept.set(piece, true);
      total += count[piece];
    }
  }
  if (total == 0) {
    int fewest = -1;
    for (int piece = 0; piece < kPieceCount; ++piece)
      if (count[piece] > 0 && (fewest < 0 || count[piece] < count[fewest])) fewest = piece;
    if (fewest < 0) return std::nullopt;
    kept.set(fewest, true);
  }
  Position small = pos;
  small.left[pos.player] = kept;
  small.moves.clear();
  for (const Move& m : pos.moves)
    if (kept[m.piece]) small.moves.push_back(m);
  return small;
}

// A board from 14 rows of 14 characters: ' ' empty, 'o' player 1's square,
// 'x' player 2's; the start squares stay wherever the drawing leaves them
// empty.
inline Board board_from(const std::array<std::string, kBoardSize>& rows) {
  Board b;
  for (int y = 0; y < kBoardSize; ++y)
    for (int x = 0; x < kBoardSize; ++x) {
      if (rows[y][x] == 'o') b.set_square(x, y, Cell::Owned1);
      if (rows[y][x] == 'x') b.set_square(x, y, Cell::Owned2);
    }
  return b;
}

// The board squares a placement covers, read from its picture; squares off
// the board are kept as they are, so that callers can see them.
struct Square {
  int x;
  int y;
};
struct Squares {
  std::array<Square, 5> at{};
  int size = 0;
  const Square* begin() const { return at.data(); }
  const Square* end() const { return at.data() + size; }
};
inline Squares covered_squares(int x, int y, int piece, int rot) {
  Squares s;
  const Picture& pic = piece_tables().piece_pic[piece][rot];
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c)
      if (pic[r][c] == '*' && s.size < 5) s.at[s.size++] = {x + c - 2, y + r - 2};
  return s;
}

inline bool on_board(int x, int y) { return x >= 0 && x < kBoardSize && y >= 0 && y < kBoardSize; }

inline int owned_count(const Board& b, int player) {
  int n = 0;
  for (int y = 0; y < kBoardSize; ++y)
    for (int x = 0; x < kBoardSize; ++x) n += b.square(x, y) == owned_cell(player);
  return n;
}

}  // namespace trevosk::fixtures
