// The game loop: 22 turns of two half-turns, a redraw before each, the pass
// test once a player has placed, and the result line at the end.
#pragma once

#include <ostream>

#include "game/display.h"
#include "game/game_state.h"
#include "game/settings.h"
#include "players/player.h"

namespace trevosk {

struct GameIo {
  Display& display;
  HumanMover& human;
  MoveLog& log;
  std::ostream& out;  // receives the result line
};

// Plays the one game from the state given and writes the result line.
void run_game(const Settings& settings, const PlayerContext& ctx, GameState& game, GameIo io);

// "Player1:%2d  v.s. Player2:%2d  Finished.\n"
std::string result_line(int score1, int score2);

}  // namespace trevosk
