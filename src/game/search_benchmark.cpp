#include "game/search_benchmark.h"

#include <time.h>

#include "game/benchmark.h"
#include "game/search_seat.h"

namespace trevosk {

namespace {

double thread_cpu_seconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

}  // namespace

std::vector<SearchBenchLine> search_bench() {
  std::vector<SearchBenchLine> lines;
  for (const BenchPosition& pos : bench_positions()) {
    ComputerConfig config;
    config.level = kFirstSearchLevel;
    Rng rng(1);
    const double cpu_start = thread_cpu_seconds();
    const SearchResult r = search_game(Game(pos.state), config, rng);
    const double cpu = thread_cpu_seconds() - cpu_start;
    const uint32_t visits = r.candidates.empty() ? 0 : r.candidates.front().visits;
    lines.push_back({pos.name, r.move, visits, r.simulations, r.seconds, cpu});
  }
  return lines;
}

uint64_t search_signature(const std::vector<SearchBenchLine>& lines) {
  uint64_t h = 1469598103934665603ull;
  auto add = [&](uint64_t v) {
    for (int i = 0; i < 8; ++i) {
      h ^= (v >> (8 * i)) & 0xFF;
      h *= 1099511628211ull;
    }
  };
  for (const SearchBenchLine& l : lines) {
    add((uint64_t(uint8_t(l.move.x)) << 24) | (uint64_t(l.move.y) << 16) |
        (uint64_t(l.move.piece) << 8) | uint64_t(l.move.rot));
    add(l.visits);
  }
  return h;
}

}  // namespace trevosk
