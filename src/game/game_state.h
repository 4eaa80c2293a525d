// GameState: the position and the per-player state of the one game.
#pragma once

#include <array>

#include "rules/board.h"
#include "rules/pieces_left.h"

namespace trevosk {

// Per-player fields are indexed by player number 1 or 2; index 0 is unused.
struct GameState {
  Board field;
  std::array<PiecesLeft, 3> pieces_left{};
  std::array<int, 3> score{0, 0, 0};
  // True until the player has placed a piece.
  std::array<bool, 3> first_move{false, true, true};
  // Bit 0: player 1 was found unable to move; bit 1: player 2. Only set.
  int pass_bits = 0;
};

}  // namespace trevosk
