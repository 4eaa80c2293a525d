// MatchTable: where one worker plays its games of a match, one at a time.
//
// A table keeps the outside programs of its cmd: seats running from one game
// to the next and restarts one after a forfeit. Game i is decided by the
// configuration and i alone: seat A is player 1 in even games, the pair's
// opening is played first, and one generator seeded from the master seed and
// i serves both built-in seats, as in trevosk.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>

#include "match/engine_process.h"
#include "match/game_record.h"
#include "match/match_seat.h"

namespace trevosk {

struct MatchConfig {
  MatchSeat seat_a;
  MatchSeat seat_b;
  uint64_t master_seed = 0;
  int openings = 0;      // random half-moves before the seats play
  double move_time = 0;  // seconds per move for outside programs; 0: none
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
  std::array<std::unique_ptr<EngineProcess>, 2> processes_;  // seats A and B
};

}  // namespace trevosk
