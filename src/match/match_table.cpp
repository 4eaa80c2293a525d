#include "match/match_table.h"

#include <chrono>
#include <cmath>

#include "game/computer_seat.h"
#include "game/game_loop.h"
#include "game/version.h"
#include "match/engine_seat.h"
#include "match/openings.h"
#include "match/seeds.h"

namespace trevosk {

namespace {

// Times a seat's choices into the half-move slots of the record.
class TimedSeat : public Seat {
 public:
  TimedSeat(Seat& seat, std::vector<std::optional<double>>& ms) : seat_(seat), ms_(ms) {}
  Move choose(const Game& game) override {
    const auto start = std::chrono::steady_clock::now();
    const Move m = seat_.choose(game);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    const size_t half_move = game.history().size();
    if (ms_.size() <= half_move) ms_.resize(half_move + 1);
    // Kept to the microsecond, as the record file holds it, so that a summary
    // read back from the file is the one printed at the end of the match.
    ms_[half_move] = std::round(took.count() * 1000) / 1000;
    return m;
  }

 private:
  Seat& seat_;
  std::vector<std::optional<double>>& ms_;
};

}  // namespace

MatchTable::MatchTable(const MatchConfig& config, const std::atomic<bool>* cancel)
    : config_(config), cancel_(cancel) {
  const MatchSeat* seats[] = {&config.seat_a, &config.seat_b};
  for (int s = 0; s < 2; ++s)
    if (seats[s]->outside) processes_[s] = std::make_unique<EngineProcess>(seats[s]->command);
}

void MatchTable::close() {
  for (auto& p : processes_)
    if (p) p->quit();
}

std::optional<GameRecord> MatchTable::play(int index) {
  GameRecord rec;
  rec.version = std::string(kVersion);
  rec.game = index;
  rec.seed = game_seed(config_.master_seed, index);
  rec.master_seed = config_.master_seed;
  rec.seat_a = config_.seat_a.text;
  rec.seat_b = config_.seat_b.text;
  rec.a_first = index % 2 == 0;

  Game game;
  for (const Move& m : draw_opening(config_.master_seed, index / 2, config_.openings)) game.play(m);
  rec.openings = static_cast<int>(game.history().size());

  // Seats by player number: index 1 and 2. One generator for both built-in seats.
  Rng rng(rec.seed);
  const int seat_of[3] = {0, rec.a_first ? 0 : 1, rec.a_first ? 1 : 0};
  const MatchSeat* seats[] = {&config_.seat_a, &config_.seat_b};
  std::array<std::unique_ptr<ComputerSeat>, 3> computers;
  std::array<std::unique_ptr<EngineSeat>, 3> engines;
  std::array<std::unique_ptr<TimedSeat>, 3> timed;
  std::vector<GameObserver*> observers;
  for (int p = 1; p <= 2; ++p) {
    const int s = seat_of[p];
    Seat* seat = nullptr;
    if (seats[s]->outside) {
      engines[p] = std::make_unique<EngineSeat>(
          *processes_[s], seats[s]->configured ? &seats[s]->computer : nullptr, config_.move_time,
          cancel_);
      observers.push_back(engines[p].get());
      seat = engines[p].get();
    } else {
      computers[p] = std::make_unique<ComputerSeat>(seats[s]->computer, rng);
      seat = computers[p].get();
    }
    timed[p] = std::make_unique<TimedSeat>(*seat, rec.ms);
  }
  auto cancelled = [&] { return cancel_ && cancel_->load(); };
  auto failed_player = [&] {
    for (int p = 1; p <= 2; ++p)
      if (engines[p] && engines[p]->failed()) return p;
    return 0;
  };

  bool ready = true;
  for (int p = 1; p <= 2 && ready; ++p)
    if (engines[p]) ready = engines[p]->new_game(game, rec.seed);
  GameRun run{GameEnd::Stopped};
  if (ready)
    run = play_game(game, {timed[1].get(), timed[2].get()}, observers,
                    [&] { return cancelled() || failed_player() != 0; });
  if (run.end != GameEnd::Finished && cancelled()) return std::nullopt;

  for (const HalfMove& h : game.history()) rec.moves.push_back(h.move);
  rec.ms.resize(rec.moves.size());
  rec.score1 = game.score(1);
  rec.score2 = game.score(2);
  rec.winner = winner_by_score(rec.score1, rec.score2);
  if (run.end != GameEnd::Finished) {
    const int p = failed_player();
    rec.forfeit_player = p ? p : run.stopped_by;
    rec.reason = p ? engines[p]->failure() : "stopped";
    rec.winner = 3 - rec.forfeit_player;
  }
  return rec;
}

}  // namespace trevosk
