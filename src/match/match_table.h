// MatchTable: where one worker plays its games of a match, one at a time.
//
// A table keeps the outside programs of its cmd: seats running from one game
// to the next and restarts one after a forfeit. Game i is decided by the
// configuration and i alone: its pairing (tournament.h), seat A as player 1
// in even games, the pair's opening played first, and one generator seeded
// from the master seed and i serving both built-in seats, as in trevosk.
// With a clock, each player's runs from the time control's base, less the
// time each of its moves took, plus the increment after each; a seat whose
// clock runs out loses the game on time.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "match/engine_process.h"
#include "match/game_record.h"
#include "match/match_seat.h"
#include "match/openings.h"
#include "match/time_control.h"
#include "match/tournament.h"

namespace trevosk {

struct MatchConfig {
  std::vector<MatchSeat> seats;  // two, or more in a tournament
  Tournament tournament = Tournament::None;
  uint64_t master_seed = 0;
  int openings = 0;  // random half-moves before the seats play
  // Or the lines of a suite, in order or shuffled.
  std::shared_ptr<const OpeningSuite> suite;
  bool random_order = false;
  double move_time = 0;  // seconds per move for outside programs; 0: none
  TimeControl clock;
  // Copied into every record: the SPRT settings, and what else decides the
  // games (for --resume).
  std::string sprt;
  std::string match;

  std::vector<std::pair<int, int>> pairings() const {
    return tournament_pairings(tournament, static_cast<int>(seats.size()));
  }
};

class MatchTable {
 public:
  MatchTable(const MatchConfig& config, const std::atomic<bool>* cancel);
  ~MatchTable() { close(); }

  // Plays game `index` and returns its record; nothing when the match was
  // cancelled before the game ended.
  std::optional<GameRecord> play(int index);
  // Lets the outside programs quit.
  void close();

 private:
  const MatchConfig& config_;
  const std::atomic<bool>* cancel_;
  std::vector<std::unique_ptr<EngineProcess>> processes_;  // by seat, for cmd: seats
};

}  // namespace trevosk
