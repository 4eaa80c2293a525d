#include "match/match_runner.h"

#include <algorithm>
#include <mutex>
#include <thread>

namespace trevosk {

std::vector<int> planned_games(const MatchPlan& plan) {
  std::vector<int> games;
  for (int i = plan.shard_index; i < plan.games; i += plan.shard_count) games.push_back(i);
  return games;
}

void run_match(const MatchPlan& plan, const std::function<void(const GameRecord&)>& on_record,
               const std::atomic<bool>* cancel) {
  const std::vector<int> games = planned_games(plan);
  std::atomic<size_t> next{0};
  std::mutex record_lock;
  auto worker = [&] {
    MatchTable table(plan.config, cancel);
    for (;;) {
      if (cancel && cancel->load()) break;
      const size_t k = next.fetch_add(1);
      if (k >= games.size()) break;
      const std::optional<GameRecord> record = table.play(games[k]);
      if (!record) break;
      const std::lock_guard<std::mutex> hold(record_lock);
      on_record(*record);
    }
  };
  const int workers = std::clamp(plan.concurrency, 1, std::max(1, static_cast<int>(games.size())));
  std::vector<std::thread> threads;
  threads.reserve(workers);
  for (int w = 0; w < workers; ++w) threads.emplace_back(worker);
  for (std::thread& t : threads) t.join();
}

}  // namespace trevosk
