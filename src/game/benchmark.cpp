#include "game/benchmark.h"

#include <bit>

#include "game/computer_seat.h"
#include "players/levels.h"
#include "players/parallel.h"
#include "players/piece_set_eval.h"
#include "players/reach_players.h"
#include "rules/legal_moves.h"

namespace trevosk {

namespace {

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

ComPlayer same(ComPlayer s) { return s; }

}  // namespace

const std::vector<BenchPosition>& bench_positions() {
  static const std::vector<BenchPosition> positions = [] {
    std::vector<BenchPosition> out;
    Game game;
    Rng rng(1);
    while (!game.over()) {
      const int t = game.turn();
      if (game.to_move() == 1 && (t == 1 || t == 4 || t == 8 || t == 10 || t == 12 || t == 16)) {
        const char* stage = t == 1 ? "start" : t == 4 ? "early" : t == 16 ? "late" : "mid";
        out.push_back({std::string(stage) + "-" + std::to_string(t), game.state()});
      }
      ComputerConfig config;
      config.threads = hardware_threads();
      game.play(computer_choice(game, config, rng));
    }
    return out;
  }();
  return positions;
}

const PlayersImplementation& fast_players() {
  static const PlayersImplementation impl = {
      "fast", make_legal_list, com_fuun3_eval, com_fuun4_eval, com_fuun4s_eval, com_fuun6_eval,
      same};
  return impl;
}

Move bench_decision(const PlayersImplementation& impl, const GameState& s, int player, int level) {
  Rng rng(1);
  PlayerContext ctx{&rng};
  ctx.think_width[player] = level_think_width(level, 10);
  ctx.threads = hardware_threads();
  return impl.strategy(level_strategy(player, level, false))(
      ctx, player, s.pieces_left[player], s.field, s.turn, s.pieces_left[3 - player]);
}

std::vector<Move> default_game(const PlayersImplementation& impl) {
  Game game;
  std::vector<Move> moves;
  while (!game.over()) {
    const int p = game.to_move();
    Move m = Move::pass();
    if (game.can_place())
      m = p == 1 && game.turn() == 1 ? kJoseki : bench_decision(impl, game.state(), p, 8);
    game.play(m);
    if (!m.is_pass()) moves.push_back(m);
  }
  return moves;
}

uint64_t bench_signature(const PlayersImplementation& impl) {
  Signature s;
  PlayerContext ctx;
  ctx.threads = hardware_threads();
  for (const BenchPosition& pos : bench_positions())
    for (int p = 1; p <= 2; ++p) {
      const GameState& g = pos.state;
      const PiecesLeft& own = g.pieces_left[p];
      const PiecesLeft& opp = g.pieces_left[3 - p];
      for (const Move& m : impl.legal(p, own, g.field, g.turn)) s.add(m);
      if (!isexist_legal(p, own, g.field, g.turn)) continue;
      for (Evaluator e : {impl.fuun3, impl.fuun4, impl.fuun4s, impl.fuun6}) {
        const EvalResult r = e(ctx, p, own, g.field, g.turn, opp);
        for (size_t i = 0; i < r.moves.size(); ++i) {
          s.add(r.moves[i]);
          s.add(r.values[i]);
        }
      }
      for (int level = 3; level <= 8; ++level) s.add(bench_decision(impl, g, p, level));
    }
  for (const Move& m : default_game(impl)) s.add(m);
  return s.h;
}

}  // namespace trevosk
