// The driver: plays a game between two seats, telling the observers.
//
// Before every half-turn the observers see the position. A player who has
// placed and cannot place passes without being asked (it is blocked);
// otherwise its seat chooses and the driver applies the move. This is the one
// place where moves of a real game are applied.
#pragma once

#include <array>
#include <functional>
#include <span>
#include <string>

#include "game/game_events.h"
#include "game/seat.h"

namespace trevosk {

enum class GameEnd {
  Finished,     // the game is over; the observers saw GameOver
  Stopped,      // a seat answered Move::none()
  Interrupted,  // interrupted() said so between two half-moves
};

struct GameRun {
  GameEnd end;
  int stopped_by = 0;  // the player whose seat stopped the game
};

// Plays `game` from where it stands to its end. seats[0] plays for player 1,
// seats[1] for player 2; a seat must answer a legal move. When
// given, interrupted() is asked after every half-move.
GameRun play_game(Game& game, std::array<Seat*, 2> seats, std::span<GameObserver* const> observers,
                  const std::function<bool()>& interrupted = nullptr);

// "Player1:%2d  v.s. Player2:%2d  Finished.\n"
std::string result_line(int score1, int score2);

}  // namespace trevosk
