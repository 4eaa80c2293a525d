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
  std::vector<Move> moves;  // the mover's legal moves

  const PiecesLeft& own() const { return left[player]; }
  const PiecesLeft& opp() const { return left[3 - player]; }
};

// The position before every half-turn of `games` random games, in the game
// loop's turn order, until both players are blocked.
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
        if (pos.moves.empty()) {
          blocked |= p;
          continue;
        }
        const Move m = pos.moves[rng.index(static_cast<int>(pos.moves.size()))];
        setpiece(m, p, pos.field, pos.left[p], pos.score[p]);
      }
  }
  return out;
}

// The position with the mover's pieces cut down to a set with at most
// max_moves legal moves (at least one piece kept); nullopt when the mover
// has no move.
inline std::optional<Position> with_few_moves(const Position& pos, size_t max_moves) {
  if (pos.moves.empty()) return std::nullopt;
  std::array<size_t, kPieceCount> count{};
  for (const Move& m : pos.moves) ++count[m.piece];
  PiecesLeft kept = PiecesLeft::none();
  size_t total = 0;
  for (int k = 0; k < kPieceCount; ++k) {
    const int piece = (pos.turn * 7 + pos.player * 3 + k) % kPieceCount;
    if (count[piece] > 0 && (total == 0 || total + count[piece] <= max_moves)) {
      kept.set(piece, true);
      total += count[piece];
    }
  }
  Position small = pos;
  small.left[pos.player] = kept;
  small.moves.clear();
  for (const Move& m : pos.moves)
    if (kept[m.piece]) small.moves.push_back(m);
  return small;
}

// A board from 14 rows of 14 characters: 'o' player 1's square, 'x' player
// 2's, anything else left as it is.
inline Board board_from(const std::array<std::string, kBoardSize>& rows) {
  Board b;
  for (int y = 0; y < kBoardSize; ++y)
    for (int x = 0; x < kBoardSize; ++x)
      if (rows[y][x] != ' ') b.set_square(x, y, rows[y][x] == 'o' ? Cell::Owned1 : Cell::Owned2);
  return b;
}

}  // namespace trevosk::fixtures
