#include "match/match_runner.h"

#include <algorithm>
#include <mutex>
#include <thread>

namespace trevosk {

int planned_count(const MatchPlan& plan) {
  const int total = plan.total_games();
  int count = total > plan.shard_index ? (total - plan.shard_index - 1) / plan.shard_count + 1 : 0;
  for (const int g : plan.done) count -= g < total && g % plan.shard_count == plan.shard_index;
  return count;
}

void run_match(const MatchPlan& plan, const std::function<void(const GameRecord&)>& on_record,
               const std::atomic<bool>* cancel, const std::atomic<bool>* finish_pairs) {
  const int total = plan.total_games();
  auto done = [&](int g) { return std::binary_search(plan.done.begin(), plan.done.end(), g); };
  // The next game to play, or -1. Games are taken in increasing order, so
  // when pairs are being finished an odd game's mate was either the game
  // taken just before it or is done.
  std::mutex take_lock;
  int next = plan.shard_index;
  int last_even_started = -1;
  auto take = [&]() -> int {
    const std::lock_guard<std::mutex> hold(take_lock);
    for (; next < total; next += plan.shard_count) {
      const int g = next;
      if (done(g)) continue;
      const bool finishing = finish_pairs && finish_pairs->load();
      if (finishing && !done(g ^ 1) && (g % 2 == 0 || last_even_started != g - 1)) continue;
      if (g % 2 == 0) last_even_started = g;
      next += plan.shard_count;
      return g;
    }
    return -1;
  };
  std::mutex record_lock;
  auto worker = [&] {
    MatchTable table(plan.config, cancel);
    for (;;) {
      if (cancel && cancel->load()) break;
      const int g = take();
      if (g < 0) break;
      const std::optional<GameRecord> record = table.play(g);
      if (!record) break;
      const std::lock_guard<std::mutex> hold(record_lock);
      on_record(*record);
    }
  };
  const int workers = std::clamp(plan.concurrency, 1, std::max(1, planned_count(plan)));
  std::vector<std::thread> threads;
  threads.reserve(workers);
  for (int w = 0; w < workers; ++w) threads.emplace_back(worker);
  for (std::thread& t : threads) t.join();
}

}  // namespace trevosk
