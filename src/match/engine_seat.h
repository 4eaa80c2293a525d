// EngineSeat: a seat played by an outside program over the engine protocol.
//
// For each game the program gets clear_board, the seat's settings when it
// has them (set_level for both players, set_random_assist, set_opening,
// set_width), set_seed, with a clock time_settings BASE INC, and every
// half-move played so far; then every half-move it did not choose itself
// (the opponent's, and its own forced passes) as "play P MOVE", and
// "genmove P" when it is to choose, after "time_left P SECONDS" with a clock.
// A refusal of set_seed, time_settings or time_left is accepted: not every
// program has a generator or a clock. Its answer must be a legal move of the side to move.
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
#include "match/time_control.h"

namespace trevosk {

class EngineSeat : public Seat, public GameObserver {
 public:
  // move_time: seconds for each genmove (none when 0); other commands get
  // at least kSetupSeconds.
  // settings: what to tell the program, or null to leave it as it is.
  // clock: the time control the program is told of, when on.
  EngineSeat(EngineProcess& process, const ComputerConfig* settings, double move_time,
             const TimeControl& clock, const std::atomic<bool>* cancel)
      : process_(process),
        settings_(settings),
        move_time_(move_time),
        clock_(clock),
        cancel_(cancel) {}

  static constexpr double kSetupSeconds = 10;

  // Readies the program for the game as it stands; false on failure.
  bool new_game(const Game& game, uint64_t seed);
  // Tells the program the time left on its clock; the next genmove is
  // waited for that long at most.
  void tell_time_left(int player, double seconds);
  Move choose(const Game& game) override;
  void notify(const Game& game, const GameEvent& event) override;

  bool failed() const { return !failure_.empty(); }
  const std::string& failure() const { return failure_; }

 private:
  // Sends a command that must succeed; records the failure otherwise.
  bool command(const std::string& line);
  void fail(std::string why);
  double setup_time() const;
  // Sends a command the program may refuse; false only if it broke.
  bool optional_command(const std::string& line);

  EngineProcess& process_;
  const ComputerConfig* settings_;
  double move_time_;
  TimeControl clock_;
  double time_left_ = 0;  // the bound of the next genmove; 0: none but move_time_
  const std::atomic<bool>* cancel_;
  std::string failure_;
  bool own_move_ = false;  // the next half-move is the one genmove gave
};

}  // namespace trevosk
