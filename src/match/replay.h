// Replay: a recorded game printed as trevosk -t prints a game between two
// computer seats (a display before every half-turn, the move and pass lines,
// the final display and the result line).
#pragma once

#include <ostream>
#include <string>

#include "match/game_record.h"

namespace trevosk {

// Prints the game. A forfeited game stops where it stopped, followed by a
// line naming the forfeit. False with a message if a recorded move is not
// legal where it stands.
bool replay_game(const GameRecord& record, std::ostream& out, std::string& error);

}  // namespace trevosk
