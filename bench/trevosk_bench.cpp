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

#include "game/program.h"
#include "players/piece_set_eval.h"
#include "players/random_players.h"
#include "players/reach_players.h"
#include "players/three_move.h"
#include "positions.h"
#include "reference/reference.h"
#include "rules/legal_moves.h"

namespace trevosk::bench {
namespace {

// One implementation of everything the benchmark and the signature use.
struct Implementation {
  const char* name;
  std::vector<Move> (*legal)(int, const PiecesLeft&, const Board&, int);
  Evaluator fuun3, fuun4, fuun4s, fuun6;
  // Levels 3 to 8 of player 1's and player 2's tables (without random assist).
  ComPlayer p1[6];
  ComPlayer p2[6];
};

const Implementation kFast = {
    "fast",
    make_legal_list,
    com_fuun3_eval,
    com_fuun4_eval,
    com_fuun4s_eval,
    com_fuun6_eval,
    {com_fuun3_play, com_fuun4_play, com_fuun4s_play, com_fuun5_play, com_fuun5s_play,
     com_fuun5s_play},
    {com_fuun6_play, com_fuun3_play, com_fuun4_play, com_fuun5s_play, com_fuun5_play,
     com_fuun5_play},
};

const Implementation kReference = {
    "reference",
    reference::make_legal_list,
    reference::com_fuun3_eval,
    reference::com_fuun4_eval,
    reference::com_fuun4s_eval,
    reference::com_fuun6_eval,
    {reference::com_fuun3_play, reference::com_fuun4_play, reference::com_fuun4s_play,
     reference::com_fuun5_play, reference::com_fuun5s_play, reference::com_fuun5s_play},
    {reference::com_fuun6_play, reference::com_fuun3_play, reference::com_fuun4_play,
     reference::com_fuun5s_play, reference::com_fuun5_play, reference::com_fuun5_play},
};

// The think width a level forces (8 keeps the default).
int width_for(int level) { return level == 6 ? 4 : level == 7 ? 7 : 10; }

Move decide(const Implementation& impl, const BenchPosition& pos, int player, int level) {
  Rng rng(1);
  const int w = width_for(level);
  const PlayerContext ctx{&rng, {0, w, w}};
  const GameState& g = pos.game;
  const ComPlayer strategy = (player == 1 ? impl.p1 : impl.p2)[level - 3];
  return strategy(ctx, player, g.pieces_left[player], g.score[player], g.field, pos.turn,
                  g.pieces_left[3 - player]);
}

bool has_move(const BenchPosition& pos, int player) {
  return isexist_legal(player, pos.game.pieces_left[player], pos.game.field, pos.turn);
}

// The default game, level 8 against level 8 with the opening book, played
// with the given implementation; returns its moves in order.
std::vector<Move> default_game(const Implementation& impl) {
  GameState g;
  std::vector<Move> moves;
  for (int turn = 1; turn <= 22; ++turn)
    for (int p = 1; p <= 2; ++p) {
      if (g.pass_bits >= 3) continue;
      if (!g.first_move[p] && !isexist_legal(p, g.pieces_left[p], g.field, turn)) {
        g.pass_bits |= p;
        continue;
      }
      Move m = make_move(5, 5, 19, 0);
      if (!(p == 1 && turn == 1)) {
        BenchPosition pos{"", g, turn};
        m = decide(impl, pos, p, 8);
      }
      setpiece(m, p, g.field, g.pieces_left[p], g.score[p]);
      g.first_move[p] = false;
      moves.push_back(m);
    }
  return moves;
}

// FNV-1a over moves and the bit patterns of values.
struct Signature {
  uint64_t h = 1469598103934665603ull;
  void add(uint64_t v) {
    for (int i = 0; i < 8; ++i) {
      h ^= (v >> (8 * i)) & 0xFF;
      h *= 1099511628211ull;
    }
  }
  void add(const Move& m) { add((uint64_t(m.x) << 24) | (m.y << 16) | (m.piece << 8) | m.rot); }
  void add(double d) { add(std::bit_cast<uint64_t>(d)); }
};

uint64_t signature(const Implementation& impl) {
  Signature s;
  for (const BenchPosition& pos : bench_positions())
    for (int p = 1; p <= 2; ++p) {
      const GameState& g = pos.game;
      const PiecesLeft& own = g.pieces_left[p];
      const PiecesLeft& opp = g.pieces_left[3 - p];
      for (const Move& m : impl.legal(p, own, g.field, pos.turn)) s.add(m);
      if (!has_move(pos, p)) continue;
      for (Evaluator e : {impl.fuun3, impl.fuun4, impl.fuun4s, impl.fuun6}) {
        const EvalResult r = e(p, own, 0, g.field, pos.turn, opp);
        for (size_t i = 0; i < r.moves.size(); ++i) {
          s.add(r.moves[i]);
          s.add(r.values[i]);
        }
      }
      for (int level = 3; level <= 8; ++level) s.add(decide(impl, pos, p, level));
    }
  for (const Move& m : default_game(impl)) s.add(m);
  return s.h;
}

void register_benchmarks() {
  for (const Implementation* impl : {&kReference, &kFast}) {
    const std::string tag = std::string("/") + impl->name;
    for (const BenchPosition& pos : bench_positions()) {
      benchmark::RegisterBenchmark(("legal_list/" + pos.name + tag).c_str(),
                                   [impl, &pos](benchmark::State& state) {
                                     for (auto _ : state)
                                       benchmark::DoNotOptimize(impl->legal(
                                           1, pos.game.pieces_left[1], pos.game.field, pos.turn));
                                   })
          ->Unit(benchmark::kMicrosecond);
      benchmark::RegisterBenchmark(
          ("fuun4_eval/" + pos.name + tag).c_str(),
          [impl, &pos](benchmark::State& state) {
            const GameState& g = pos.game;
            for (auto _ : state)
              benchmark::DoNotOptimize(
                  impl->fuun4(1, g.pieces_left[1], 0, g.field, pos.turn, g.pieces_left[2]));
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
                for (auto _ : state) benchmark::DoNotOptimize(decide(*impl, pos, player, level));
              })
              ->Unit(benchmark::kMillisecond);
      }
    }
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
}  // namespace trevosk::bench

int main(int argc, char** argv) {
  using namespace trevosk::bench;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--signature") == 0) {
      std::printf("%016llx\n", static_cast<unsigned long long>(signature(kFast)));
      return 0;
    }
    if (std::strcmp(argv[i], "--signature-reference") == 0) {
      std::printf("%016llx\n", static_cast<unsigned long long>(signature(kReference)));
      return 0;
    }
  }
  benchmark::Initialize(&argc, argv);
  register_benchmarks();
  TableReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.print_table();
  std::printf("\nsignature %016llx\n", static_cast<unsigned long long>(signature(kFast)));
  benchmark::Shutdown();
  return 0;
}
