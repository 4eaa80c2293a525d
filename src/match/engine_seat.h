// EngineSeat: a seat played by an outside program over the engine protocol.
//
// For each game the program gets clear_board, the seat's settings when it
// has them (set_level for both players, set_random_assist, set_opening,
// set_width), set_seed and every half-move
// played so far; then every half-move it did not choose itself (the
// opponent's, and its own forced passes) as "play P MOVE", and "genmove P"
// when it is to choose. Its answer must be a legal move of the side to move.
// The first failure (a program that crashed, hung past the time limit,
// answered "?", or gave a malformed or illegal move) is kept as the seat's
// failure, the program is stopped, and choose() answers Move::none(); the
// next new_game starts the program afresh.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "game/computer_seat.h"
#include "game/game_events.h"
#include "game/seat.h"
#include "match/engine_process.h"

namespace trevosk {

class EngineSeat : public Seat, public GameObserver {
 public:
  // move_time: seconds for each genmove (none when 0); other commands get
  // at least kSetupSeconds.
  // settings: what to tell the program, or null to leave it as it is.
  EngineSeat(EngineProcess& process, const ComputerConfig* settings, double move_time,
             const std::atomic<bool>* cancel)
      : process_(process), settings_(settings), move_time_(move_time), cancel_(cancel) {}

  static constexpr double kSetupSeconds = 10;

  // Readies the program for the game as it stands; false on failure.
  bool new_game(const Game& game, uint64_t seed);
  Move choose(const Game& game) override;
  void notify(const Game& game, const GameEvent& event) override;

  bool failed() const { return !failure_.empty(); }
  const std::string& failure() const { return failure_; }

 private:
  // Sends a command that must succeed; records the failure otherwise.
  bool command(const std::string& line);
  void fail(std::string why);
  double setup_time() const;

  EngineProcess& process_;
  const ComputerConfig* settings_;
  double move_time_;
  const std::atomic<bool>* cancel_;
  std::string failure_;
  bool own_move_ = false;  // the next half-move is the one genmove gave
};

}  // namespace trevosk
