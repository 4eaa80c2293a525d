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
  for (int threads : {1, 2, 3, 8}) {
    for (int n : {0, 1, 13, 500}) {
      std::vector<std::atomic<int>> hits(static_cast<size_t>(n) * 3);
      parallel_for(
          threads, n,
          [&](int i) {
            parallel_for(
                threads, 3, [&](int j) { ++hits[static_cast<size_t>(i) * 3 + j]; }, 1);
          },
          1);
      for (const auto& h : hits) ASSERT_EQ(h.load(), 1) << "threads " << threads << " n " << n;
    }
  }
}

// Catches a thread started by a context of one thread (the default, which a
// tool running games side by side relies on), or a decision that depends on
// the number of threads.
TEST(ParallelFor, OneThreadStartsNoThreadAndChangesNoDecision) {
  const std::vector<fixtures::Position> positions = fixtures::random_positions(31, 1);
  auto decide = [&](const fixtures::Position& pos, int threads) {
    Rng rng(1);
    PlayerContext ctx{&rng, {0, 6, 6}};
    if (threads > 0) ctx.threads = threads;
    return com_fuun5_play(ctx, pos.player, pos.own(), pos.field, pos.turn, pos.opp());
  };
  // In a child process, which starts with this thread alone (ctest runs
  // each test in a process of its own, before any pool exists).
  EXPECT_EXIT(
      {
        for (size_t i = 8; i < 14; ++i) decide(positions[i], 0);
        std::_Exit(threads_now());
      },
      ::testing::ExitedWithCode(1), "");
  for (size_t i = 8; i < 14; ++i) EXPECT_EQ(decide(positions[i], 2), decide(positions[i], 1)) << i;
}

}  // namespace
}  // namespace trevosk
