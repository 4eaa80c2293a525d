#include "players/parallel.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "fixtures/random_positions.h"
#include "players/three_move.h"

namespace trevosk {
namespace {

// The threads of this process, as the kernel counts them.
int threads_now() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with("Threads:")) return std::stoi(line.substr(8));
  return -1;
}

// Catches an index run twice or never, nested calls going wrong, or work
// lost when several threads share out the indices.
TEST(ParallelFor, EveryIndexOnceWhateverTheBudget) {
  for (int budget : {1, 2, 3, 8}) {
    set_thread_budget(budget);
    for (int n : {0, 1, 13, 500}) {
      std::vector<std::atomic<int>> hits(static_cast<size_t>(n) * 3);
      parallel_for(
          n,
          [&](int i) {
            parallel_for(
                3, [&](int j) { ++hits[static_cast<size_t>(i) * 3 + j]; }, 1);
          },
          1);
      for (const auto& h : hits) ASSERT_EQ(h.load(), 1) << "budget " << budget << " n " << n;
    }
  }
  set_thread_budget(0);
}

// Catches a thread started under a budget of 1, or a decision that depends
// on the number of threads.
TEST(ParallelFor, BudgetOfOneStartsNoThreadAndChangesNoDecision) {
  const std::vector<fixtures::Position> positions = fixtures::random_positions(31, 1);
  auto decide = [&](const fixtures::Position& pos) {
    Rng rng(1);
    PlayerContext ctx{&rng, {0, 6, 6}};
    return com_fuun5_play(ctx, pos.player, pos.own(), pos.field, pos.turn, pos.opp());
  };
  // In a child process, which starts with this thread alone (ctest runs
  // each test in a process of its own, before any pool exists).
  EXPECT_EXIT(
      {
        set_thread_budget(1);
        for (size_t i = 8; i < 14; ++i) decide(positions[i]);
        std::_Exit(threads_now());
      },
      ::testing::ExitedWithCode(1), "");
  set_thread_budget(1);
  std::vector<Move> alone;
  for (size_t i = 8; i < 14; ++i) alone.push_back(decide(positions[i]));
  set_thread_budget(2);
  for (size_t i = 8; i < 14; ++i) EXPECT_EQ(decide(positions[i]), alone[i - 8]) << i;
  set_thread_budget(0);
}

}  // namespace
}  // namespace trevosk
