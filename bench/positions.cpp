#include "positions.h"

#include <sstream>

#include "game/console_display.h"
#include "game/game_loop.h"

namespace trevosk::bench {

namespace {

// Records the game state at the start of each wanted turn.
class Snapshots : public Display {
 public:
  explicit Snapshots(const GameState& game) : game_(game) {}
  void draw_board(const Board&) override {}
  void draw_pieces(const PiecesLeft&, int) override {}
  void draw_score(int, int, int turn, int player) override {
    if (player == 1 &&
        (turn == 1 || turn == 4 || turn == 8 || turn == 10 || turn == 12 || turn == 16)) {
      const char* stage = turn == 1 ? "start" : turn == 4 ? "early" : turn == 16 ? "late" : "mid";
      positions.push_back({std::string(stage) + "-" + std::to_string(turn), game_, turn});
    }
  }
  void show_pass(int) override {}
  void finish() override {}
  std::vector<BenchPosition> positions;

 private:
  const GameState& game_;
};

class NoHuman : public HumanMover {
 public:
  void play(GameState&, int, int) override {}
};

class NoLog : public MoveLog {
 public:
  void move_played(int, const Move&) override {}
};

}  // namespace

const std::vector<BenchPosition>& bench_positions() {
  static const std::vector<BenchPosition> positions = [] {
    GameState game;
    Settings settings;
    settings.text_mode = true;
    Rng rng(1);
    PlayerContext ctx{&rng, settings.think_width};
    Snapshots snapshots(game);
    NoHuman human;
    NoLog log;
    std::ostringstream out;
    run_game(settings, ctx, game, GameIo{snapshots, human, log, out});
    return snapshots.positions;
  }();
  return positions;
}

}  // namespace trevosk::bench
