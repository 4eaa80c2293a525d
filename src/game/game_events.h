// The game's event stream: what the driver tells the displays, the window
// and the record writers, in order.
#pragma once

#include "game/game.h"

namespace trevosk {

struct GameEvent {
  enum class Kind : uint8_t {
    HalfTurn,  // a half-turn begins: the position with the side to move
    Placed,    // the player placed `move`
    Passed,    // the player passed by choice
    Blocked,   // the player has placed and cannot place: a pass
    GameOver,  // no half-turn follows
  };
  Kind kind;
  int player = 0;  // the mover (the side to move for HalfTurn; 0 for GameOver)
  int turn = 0;    // the turn of the half-move
  Move move = Move::none();
};

class GameObserver {
 public:
  virtual ~GameObserver() = default;
  // Called after the event; the game shows the position it left.
  virtual void notify(const Game& game, const GameEvent& event) = 0;
};

}  // namespace trevosk
