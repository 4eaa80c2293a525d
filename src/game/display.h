// The game loop's view of its surroundings: a display of the position and a
// human mover. The console and the window each implement both.
#pragma once

#include "game/game_state.h"
#include "rules/board.h"
#include "rules/pieces_left.h"

namespace trevosk {

class Display {
 public:
  virtual ~Display() = default;
  virtual void draw_board(const Board& field) = 0;
  virtual void draw_pieces(const PiecesLeft& left, int player) = 0;
  virtual void draw_score(int score1, int score2, int turn, int player) = 0;
  // A half-turn found the player unable to move.
  virtual void show_pass(int player) = 0;
  // The game is over and the result line written.
  virtual void finish() = 0;
};

class HumanMover {
 public:
  virtual ~HumanMover() = default;
  // Plays one half-turn of the human seat: places a piece (through setpiece,
  // logged) or, where the entry allows it, passes. Clears the player's
  // first-move flag once a piece is placed.
  virtual void play(GameState& game, int player, int turn) = 0;
};

}  // namespace trevosk
