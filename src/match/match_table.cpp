#include "match/match_table.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "game/computer_seat.h"
#include "game/game_loop.h"
#include "game/version.h"
#include "match/engine_seat.h"
#include "match/seeds.h"

namespace trevosk {

namespace {

// A built-in seat whose configuration the clock may change between moves.
class BuiltInSeat : public Seat {
 public:
  BuiltInSeat(const ComputerConfig& config, Rng& rng) : config(config), rng_(rng) {}
  Move choose(const Game& game) override { return computer_choice(game, config, rng_); }
  ComputerConfig config;

 private:
  Rng& rng_;
};

std::string seconds_text(double s) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3f", s);
  return buf;
}

// Times a seat's choices into the half-move slots of the record and, with a
// time control, keeps the seat's clock: before a move it tells an outside
// program the time left (which also bounds the wait) or gives a search
// level its budget; a move that takes all the time left loses on time.
class TimedSeat : public Seat {
 public:
  TimedSeat(Seat& seat, std::vector<std::optional<double>>& ms, const TimeControl& clock,
            BuiltInSeat* built_in, EngineSeat* engine)
      : seat_(seat),
        ms_(ms),
        clock_(clock),
        built_in_(built_in),
        engine_(engine),
        seat_move_time_(built_in ? built_in->config.search.move_time : 0),
        left_(clock.base) {}

  Move choose(const Game& game) override {
    if (clock_.on()) {
      if (engine_) engine_->tell_time_left(game.to_move(), left_);
      // A search level searches for the clock's budget (a time per move
      // the seat was given bounds it too).
      if (built_in_ && built_in_->config.level >= kFirstSearchLevel) {
        const double budget =
            move_budget(left_, clock_.increment, placements(game, game.to_move()));
        built_in_->config.search.move_time =
            seat_move_time_ > 0 ? std::min(seat_move_time_, budget) : budget;
      }
    }
    const auto start = std::chrono::steady_clock::now();
    const Move m = seat_.choose(game);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    const size_t half_move = game.history().size();
    if (ms_.size() <= half_move) ms_.resize(half_move + 1);
    // Kept to the microsecond, as the record file holds it, so that a summary
    // read back from the file is the one printed at the end of the match.
    ms_[half_move] = std::round(took.count() * 1e6) / 1000;
    if (!clock_.on()) return m;
    if (took.count() >= left_) {
      out_of_time_ = "out of time: took " + seconds_text(took.count()) + " s with " +
                     seconds_text(left_) + " s left";
      left_ = 0;
      return Move::none();
    }
    left_ += clock_.increment - took.count();
    return m;
  }

  // Why the seat lost on time; empty if it did not.
  const std::string& out_of_time() const { return out_of_time_; }

 private:
  static int placements(const Game& game, int player) {
    int n = 0;
    for (const HalfMove& h : game.history()) n += h.player == player && !h.move.is_pass();
    return n;
  }

  Seat& seat_;
  std::vector<std::optional<double>>& ms_;
  const TimeControl& clock_;
  BuiltInSeat* built_in_;
  EngineSeat* engine_;
  double seat_move_time_;  // the seat's own t=, if any
  double left_;
  std::string out_of_time_;
};

}  // namespace

MatchTable::MatchTable(const MatchConfig& config, const std::atomic<bool>* cancel)
    : config_(config), cancel_(cancel), processes_(config.seats.size()) {
  for (size_t s = 0; s < config.seats.size(); ++s)
    if (config.seats[s].outside)
      processes_[s] = std::make_unique<EngineProcess>(config.seats[s].command);
}

void MatchTable::close() {
  for (auto& p : processes_)
    if (p) p->quit();
}

std::optional<GameRecord> MatchTable::play(int index) {
  const std::vector<std::pair<int, int>> pairings = config_.pairings();
  const GameSlot slot = game_slot(index, static_cast<int>(pairings.size()));
  const auto [seat_a, seat_b] = pairings[slot.pairing];
  GameRecord rec;
  rec.version = std::string(kVersion);
  rec.game = index;
  rec.seed = game_seed(config_.master_seed, index);
  rec.master_seed = config_.master_seed;
  rec.seat_a = config_.seats[seat_a].text;
  rec.seat_b = config_.seats[seat_b].text;
  rec.a_first = index % 2 == 0;
  rec.tournament = tournament_name(config_.tournament);
  rec.pairing = slot.pairing;
  for (const MatchSeat& s : config_.seats) rec.seats.push_back(s.text);
  rec.sprt = config_.sprt;
  rec.match = config_.match;

  Game game;
  const std::vector<Move> opening =
      config_.suite
          ? config_.suite->lines[opening_line(config_.suite->lines.size(), config_.master_seed,
                                              slot.pair, config_.random_order)]
          : draw_opening(config_.master_seed, slot.pair, config_.openings);
  for (const Move& m : opening) game.play(m);
  rec.openings = static_cast<int>(game.history().size());

  // Seats by player number: index 1 and 2. One generator for both built-in seats.
  Rng rng(rec.seed);
  const int seat_of[3] = {0, rec.a_first ? seat_a : seat_b, rec.a_first ? seat_b : seat_a};
  std::array<std::unique_ptr<BuiltInSeat>, 3> computers;
  std::array<std::unique_ptr<EngineSeat>, 3> engines;
  std::array<std::unique_ptr<TimedSeat>, 3> timed;
  std::vector<GameObserver*> observers;
  for (int p = 1; p <= 2; ++p) {
    const MatchSeat& seat = config_.seats[seat_of[p]];
    Seat* chooser = nullptr;
    if (seat.outside) {
      engines[p] = std::make_unique<EngineSeat>(*processes_[seat_of[p]],
                                                seat.configured ? &seat.computer : nullptr,
                                                config_.move_time, config_.clock, cancel_);
      observers.push_back(engines[p].get());
      chooser = engines[p].get();
    } else {
      computers[p] = std::make_unique<BuiltInSeat>(seat.computer, rng);
      chooser = computers[p].get();
    }
    timed[p] = std::make_unique<TimedSeat>(*chooser, rec.ms, config_.clock, computers[p].get(),
                                           engines[p].get());
  }
  auto cancelled = [&] { return cancel_ && cancel_->load(); };
  auto failed_player = [&] {
    for (int p = 1; p <= 2; ++p)
      if (!timed[p]->out_of_time().empty() || (engines[p] && engines[p]->failed())) return p;
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
    rec.reason = !p                                 ? "stopped"
                 : !timed[p]->out_of_time().empty() ? timed[p]->out_of_time()
                                                    : engines[p]->failure();
    rec.winner = 3 - rec.forfeit_player;
  }
  return rec;
}

}  // namespace trevosk
