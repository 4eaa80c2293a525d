// trevosk_bench: times the fast enumeration and players against the
// straightforward reference on fixed positions, and prints a signature of
// the moves chosen and values computed, which must not move when a change
// should not alter play.
//
//   trevosk_bench                      every benchmark, then a before/after table
//   trevosk_bench --signature          only the signature of the fast code
//   trevosk_bench --signature-reference  the same signature from the reference
//   (Google Benchmark flags such as --benchmark_filter=decision apply; with
//   --benchmark_repetitions=N the table shows medians.)
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "game/benchmark.h"
#include "game/program.h"
#include "game/search_seat.h"
#include "players/parallel.h"
#include "players/piece_set_eval.h"
#include "players/random_players.h"
#include "players/reach_players.h"
#include "players/three_move.h"
#include "reference/reference.h"
#include "rules/legal_moves.h"

namespace trevosk {
namespace {

// The reference's counterpart of each level-table strategy.
ComPlayer reference_strategy(ComPlayer s) {
  const std::pair<ComPlayer, ComPlayer> pairs[] = {{com_rand_play, reference::com_rand_play},
                                                   {com_monte_play, reference::com_monte_play},
                                                   {com_fuun3_play, reference::com_fuun3_play},
                                                   {com_fuun4_play, reference::com_fuun4_play},
                                                   {com_fuun4r_play, reference::com_fuun4r_play},
                                                   {com_fuun4s_play, reference::com_fuun4s_play},
                                                   {com_fuun4sr_play, reference::com_fuun4sr_play},
                                                   {com_fuun6_play, reference::com_fuun6_play},
                                                   {com_fuun6r_play, reference::com_fuun6r_play},
                                                   {com_fuun5_play, reference::com_fuun5_play},
                                                   {com_fuun5r_play, reference::com_fuun5r_play}};
  for (auto [fast, ref] : pairs)
    if (s == fast) return ref;
  std::abort();
}

const PlayersImplementation kReference = {
    "reference",
    reference::make_legal_list,
    reference::com_fuun3_eval,
    reference::com_fuun4_eval,
    reference::com_fuun4s_eval,
    reference::com_fuun6_eval,
    reference_strategy,
};

bool has_move(const BenchPosition& pos, int player) {
  const GameState& g = pos.state;
  return isexist_legal(player, g.pieces_left[player], g.field, g.turn);
}

void register_benchmarks() {
  for (const PlayersImplementation* impl : {&kReference, &fast_players()}) {
    const std::string tag = std::string("/") + impl->name;
    for (const BenchPosition& pos : bench_positions()) {
      benchmark::RegisterBenchmark(
          ("legal_list/" + pos.name + tag).c_str(),
          [impl, &pos](benchmark::State& state) {
            for (auto _ : state)
              benchmark::DoNotOptimize(
                  impl->legal(1, pos.state.pieces_left[1], pos.state.field, pos.state.turn));
          })
          ->Unit(benchmark::kMicrosecond);
      benchmark::RegisterBenchmark(
          ("fuun4_eval/" + pos.name + tag).c_str(),
          [impl, &pos](benchmark::State& state) {
            const GameState& g = pos.state;
            PlayerContext ctx;
            ctx.threads = hardware_threads();
            for (auto _ : state)
              benchmark::DoNotOptimize(
                  impl->fuun4(ctx, 1, g.pieces_left[1], g.field, g.turn, g.pieces_left[2]));
          })
          ->Unit(benchmark::kMillisecond);
      for (int player = 1; player <= 2; ++player) {
        if (!has_move(pos, player)) continue;
        for (int level = 3; level <= 8; ++level)
          benchmark::RegisterBenchmark(
              ("decision/L" + std::to_string(level) + "/P" + std::to_string(player) + "/" +
               pos.name + tag)
                  .c_str(),
              [impl, &pos, player, level](benchmark::State& state) {
                for (auto _ : state)
                  benchmark::DoNotOptimize(bench_decision(*impl, pos.state, player, level));
              })
              ->Unit(benchmark::kMillisecond);
      }
    }
  }
  // The search: one playout to the end with the default policy, and a
  // level-9 search (one thread), with the simulations per second.
  for (const BenchPosition& pos : bench_positions()) {
    if (pos.name != "start-1" && pos.name != "mid-10") continue;
    const SearchPosition root = search_position(pos.state);
    benchmark::RegisterBenchmark(("search/playout/" + pos.name).c_str(),
                                 [root](benchmark::State& state) {
                                   FastRng rng(1);
                                   for (auto _ : state) {
                                     SearchPosition s = root;
                                     playout(s, PlayoutPolicy{}, rng, [](int, int, const Move&) {});
                                     benchmark::DoNotOptimize(s);
                                   }
                                   state.counters["playouts/s"] = benchmark::Counter(
                                       double(state.iterations()), benchmark::Counter::kIsRate);
                                 })
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("search/level9/" + pos.name).c_str(), [root](benchmark::State&
                                                                                   state) {
      uint64_t sims = 0;
      for (auto _ : state)
        sims += search(root, SearchSettings{}, level_playouts(kFirstSearchLevel), 1).simulations;
      state.counters["sims/s"] = benchmark::Counter(double(sims), benchmark::Counter::kIsRate);
    })->Unit(benchmark::kMillisecond);
  }
  // The whole program in text mode with default players, output to memory.
  benchmark::RegisterBenchmark("default_game_text/fast", [](benchmark::State& state) {
    const std::vector<std::string> args{"trevosk", "-t"};
    for (auto _ : state) {
      std::istringstream in;
      std::ostringstream out, err;
      benchmark::DoNotOptimize(run_program(args, {in, out, err}, nullptr, 1));
    }
  })->Unit(benchmark::kMillisecond);
}

// Keeps every run's time so that the before/after table can pair them.
class TableReporter : public benchmark::ConsoleReporter {
 public:
  TableReporter() : ConsoleReporter(isatty(1) ? OO_Defaults : OO_Tabular) {}
  // With repetitions the table takes the median of each benchmark.
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.error_occurred) continue;
      const bool single = r.run_type == Run::RT_Iteration && r.repetitions <= 1;
      const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
      if (single || median)
        ms_[r.run_name.str()] = r.GetAdjustedRealTime() *
                                benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond) /
                                benchmark::GetTimeUnitMultiplier(r.time_unit);
    }
  }

  void print_table() const {
    std::printf("\n%-34s %14s %12s %10s\n", "benchmark", "reference ms", "fast ms", "speed-up");
    std::vector<double> mid_level8;
    for (const auto& [name, fast] : ms_) {
      const size_t cut = name.rfind("/fast");
      if (cut == std::string::npos) continue;
      const std::string base = name.substr(0, cut);
      const auto ref = ms_.find(base + "/reference");
      if (ref == ms_.end()) {
        std::printf("%-34s %14s %12.3f %10s\n", base.c_str(), "-", fast, "-");
        continue;
      }
      const double ratio = ref->second / fast;
      std::printf("%-34s %14.3f %12.3f %9.1fx\n", base.c_str(), ref->second, fast, ratio);
      if (base.rfind("decision/L8/", 0) == 0 && base.find("/mid-") != std::string::npos)
        mid_level8.push_back(ratio);
    }
    if (!mid_level8.empty()) {
      std::sort(mid_level8.begin(), mid_level8.end());
      std::printf("\nmedian speed-up of level-8 decisions on mid-game positions: %.1fx (%zu)\n",
                  mid_level8[mid_level8.size() / 2], mid_level8.size());
    }
  }

 private:
  std::map<std::string, double> ms_;
};

}  // namespace
}  // namespace trevosk

int main(int argc, char** argv) {
  using namespace trevosk;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--signature") == 0) {
      std::printf("%016llx\n", static_cast<unsigned long long>(bench_signature(fast_players())));
      return 0;
    }
    if (std::strcmp(argv[i], "--signature-reference") == 0) {
      std::printf("%016llx\n", static_cast<unsigned long long>(bench_signature(kReference)));
      return 0;
    }
  }
  benchmark::Initialize(&argc, argv);
  register_benchmarks();
  TableReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.print_table();
  std::printf("\nsignature %016llx\n",
              static_cast<unsigned long long>(bench_signature(fast_players())));
  benchmark::Shutdown();
  return 0;
}
