// Seat: whoever chooses the moves of one player.
//
// A seat looks at the game and answers a move; the driver applies it. The
// computer seat, the console entry, the mouse entry and the engine protocol
// are seats.
#pragma once

#include "game/game.h"

namespace trevosk {

class Seat {
 public:
  virtual ~Seat() = default;
  // The move of the side to move: a legal placement or a pass. Move::none()
  // when the seat has no move to give and the game stops here (the user
  // quit, or the input ended).
  virtual Move choose(const Game& game) = 0;
};

}  // namespace trevosk
