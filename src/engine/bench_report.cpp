#include "engine/bench_report.h"

#include <chrono>
#include <cstdio>

#include "game/benchmark.h"
#include "game/notation.h"
#include "game/search_benchmark.h"
#include "players/levels.h"
#include "rules/legal_moves.h"

namespace trevosk {

namespace {

using Clock = std::chrono::steady_clock;

double milliseconds_since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

std::string bench_report() {
  const Clock::time_point start = Clock::now();
  std::string text;
  char buf[128];
  for (const BenchPosition& pos : bench_positions())
    for (int p = 1; p <= 2; ++p) {
      const Clock::time_point line_start = Clock::now();
      std::snprintf(buf, sizeof buf, "%-8s P%d", pos.name.c_str(), p);
      text += buf;
      const GameState& s = pos.state;
      const bool can_place = isexist_legal(p, s.pieces_left[p], s.field, s.turn);
      for (int level = kMinLevel; level <= kMaxLevel; ++level) {
        std::snprintf(buf, sizeof buf, "  L%d ", level);
        text += buf;
        text += can_place ? move_code(bench_decision(fast_players(), s, p, level)) : "pass";
      }
      std::snprintf(buf, sizeof buf, "  %8.1f ms\n", milliseconds_since(line_start));
      text += buf;
    }
  const uint64_t signature = bench_signature(fast_players());
  std::snprintf(buf, sizeof buf, "time %.3f s\nsignature %016llx\n",
                milliseconds_since(start) / 1000, static_cast<unsigned long long>(signature));
  text += buf;
  // The search: level 9 for player 1 on one thread, with the simulations per
  // second of wall-clock time and of the thread's processor time.
  const std::vector<SearchBenchLine> lines = search_bench();
  for (const SearchBenchLine& l : lines) {
    std::snprintf(buf, sizeof buf, "%-8s P1  L9 %s  %llu sims  %8.1f ms  %6.0f sims/s  %6.0f cpu\n",
                  l.position.c_str(), move_text(l.move).c_str(),
                  static_cast<unsigned long long>(l.simulations), l.seconds * 1000,
                  static_cast<double>(l.simulations) / l.seconds,
                  static_cast<double>(l.simulations) / l.cpu_seconds);
    text += buf;
  }
  std::snprintf(buf, sizeof buf, "search signature %016llx",
                static_cast<unsigned long long>(search_signature(lines)));
  return text + buf;
}

}  // namespace trevosk
