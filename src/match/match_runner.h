// run_match: the games of a match spread over worker threads.
//
// Each worker has its own MatchTable; a built-in seat thinks on its worker's
// thread alone (ComputerConfig's one thread), so that K workers keep K cores
// busy. Workers take the next game
// index in order; records come out in the order games finish.
#pragma once

#include <atomic>
#include <functional>
#include <vector>

#include "match/match_table.h"

namespace trevosk {

struct MatchPlan {
  MatchConfig config;
  int games = 100;  // per pairing
  int concurrency = 1;
  int shard_index = 0;  // play the games i with i % shard_count == shard_index
  int shard_count = 1;
  std::vector<int> done;  // games already played (a resumed match), increasing

  int total_games() const { return games * static_cast<int>(config.pairings().size()); }
};

// The number of games the plan plays: those of its shard not yet done.
int planned_count(const MatchPlan& plan);

// Plays the plan's games and hands each finished record to on_record, one
// call at a time. Once cancel turns true no game starts and unfinished games
// are dropped. Once finish_pairs turns true no new pair starts: only the
// games whose pair-mate has started or is done are still played.
void run_match(const MatchPlan& plan, const std::function<void(const GameRecord&)>& on_record,
               const std::atomic<bool>* cancel = nullptr,
               const std::atomic<bool>* finish_pairs = nullptr);

}  // namespace trevosk
