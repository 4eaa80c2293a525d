// Positions for the property tests: games of random legal moves from the
// start.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
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

// The position with the mover left one piece, that of its middle legal
// move, to keep evaluations short; nullopt when the mover has no move.
inline std::optional<Position> with_one_piece(const Position& pos) {
  if (pos.moves.empty()) return std::nullopt;
  Position small = pos;
  const int piece = pos.moves[pos.moves.size() / 2].piece;
  small.left[pos.player] = PiecesLeft::only(piece);
  std::erase_if(small.moves, [&](const Move& m) { return m.piece != piece; });
  return small;
}

}  // namespace trevosk::fixtures
