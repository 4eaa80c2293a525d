// Positions for the differential tests: every half-turn of seeded games of
// random legal moves, for both players and all turns.
#pragma once

#include <vector>

#include "players/rng.h"
#include "reference/reference.h"
#include "rules/board.h"

namespace trevosk::testing {

struct Position {
  Board field;
  PiecesLeft left[3];
  int turn;
  int player;  // to move
};

// All half-turn positions of `games` random games starting from seed.
inline std::vector<Position> random_positions(int games, uint64_t seed) {
  std::vector<Position> out;
  Rng rng(seed);
  for (int g = 0; g < games; ++g) {
    Position pos{Board(), {PiecesLeft(), PiecesLeft(), PiecesLeft()}, 1, 1};
    int score[3] = {0, 0, 0};
    for (int turn = 1; turn <= 22; ++turn)
      for (int p = 1; p <= 2; ++p) {
        pos.turn = turn;
        pos.player = p;
        out.push_back(pos);
        const std::vector<Move> moves = reference::make_legal_list(p, pos.left[p], pos.field, turn);
        if (moves.empty()) continue;
        setpiece(moves[rng.index(static_cast<int>(moves.size()))], p, pos.field, pos.left[p],
                 score[p]);
      }
  }
  return out;
}

}  // namespace trevosk::testing
