#include "match/match_program.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <random>
#include <set>
#include <thread>
#include <vector>

#include "game/version.h"
#include "match/match_options.h"
#include "match/match_runner.h"
#include "match/match_summary.h"
#include "match/record_file.h"
#include "match/replay.h"
#include "match/seat_check.h"
#include "rules/pieces.h"

namespace trevosk {

namespace {

int fail(std::ostream& err, const std::string& message, int status = 1) {
  err << "trevosk-match: " << message << "\n";
  return status;
}

void print_summary(const MatchTally& tally, bool csv, MatchIo io) {
  io.out << (csv ? summary_csv(tally) : summary_text(tally)) << std::flush;
}

int summary_mode(const MatchOptions& o, MatchIo io) {
  MatchTally tally;
  std::set<std::pair<uint64_t, int>> seen;
  std::string error;
  for (const std::string& f : o.summary_files) {
    const bool ok = for_each_record(
        f,
        [&](const GameRecord& r, int) {
          if (!seen.emplace(r.master_seed, r.game).second)
            return (error = "game " + std::to_string(r.game) + " appears twice"), false;
          return tally.add(r, error);
        },
        error);
    if (!ok) return fail(io.err, error);
  }
  if (tally.empty()) return fail(io.err, "no games");
  print_summary(tally, o.csv, io);
  return 0;
}

int replay_mode(const MatchOptions& o, MatchIo io) {
  std::vector<GameRecord> records;
  std::string error;
  if (!read_records(o.replay_file, records, error)) return fail(io.err, error);
  for (const GameRecord& r : records) {
    if (o.replay_game && r.game != *o.replay_game) continue;
    if (!replay_game(r, io.out, error)) return fail(io.err, o.replay_file + ": " + error);
    return 0;
  }
  std::string which = "no game";
  if (o.replay_game) which += ' ' + std::to_string(*o.replay_game);
  return fail(io.err, o.replay_file + ": " + which);
}

// Where the match stands, for the progress reports: games done, the running
// score and Elo of seat A (a plain match), the LLR with SPRT.
std::string standing(const MatchTally& tally, int total) {
  std::string text = std::to_string(tally.games()) + "/" + std::to_string(total) + " games";
  if (tally.tournament() != Tournament::None || tally.empty()) return text;
  const PairingTally& t = tally.pairing(0);
  char line[160];
  std::snprintf(line, sizeof line, "  A %.1f - B %.1f  Elo %+.1f", t.points(),
                t.games() - t.points(), elo_difference(t.points() / t.games()));
  text += line;
  if (tally.sprt()) {
    std::snprintf(line, sizeof line, "  LLR %+.2f", sprt_llr(t.pairs, *tally.sprt()));
    text += line;
  }
  return text;
}

// The progress of a running match on standard error: on a terminal, one
// line redrawn after every game with the time left; elsewhere a line every
// `every` seconds (none when 0), for the logs of long runs.
class Progress {
 public:
  Progress(const MatchTally& tally, int total, double every, MatchIo io)
      : tally_(tally), total_(total), err_(io.err), terminal_(io.err_is_terminal) {
    if (!terminal_ && every > 0)
      thread_ = std::thread([this, every] {
        std::unique_lock<std::mutex> hold(lock_);
        const auto period = std::chrono::duration<double>(every);
        while (!cv_.wait_for(hold, period, [this] { return ended_; }))
          err_ << "trevosk-match: " << standing(tally_, total_) << "\n" << std::flush;
      });
  }
  ~Progress() { end(); }

  // Runs `change` on the tally, then redraws the line on a terminal.
  template <typename F>
  void update(F change) {
    std::lock_guard<std::mutex> hold(lock_);
    change();
    if (!terminal_) return;
    ++done_here_;
    const double elapsed = std::chrono::duration<double>(Clock::now() - start_).count();
    const int left =
        static_cast<int>(elapsed / done_here_ * std::max(0, total_ - tally_.games()) + 0.5);
    char time[32];
    std::snprintf(time, sizeof time, "  %d:%02d left", left / 60, left % 60);
    err_ << "\r\033[K" << standing(tally_, total_) << time << std::flush;
    drawn_ = true;
  }

  void end() {
    {
      std::lock_guard<std::mutex> hold(lock_);
      if (ended_) return;
      ended_ = true;
      if (drawn_) err_ << "\r\033[K" << std::flush;
    }
    cv_.notify_all();
    if (thread_.joinable()) thread_.join();
  }

 private:
  using Clock = std::chrono::steady_clock;
  const MatchTally& tally_;
  int total_;
  std::ostream& err_;
  bool terminal_;
  std::mutex lock_;
  std::condition_variable cv_;
  bool ended_ = false;
  bool drawn_ = false;
  int done_here_ = 0;  // games finished in this run
  Clock::time_point start_ = Clock::now();
  std::thread thread_;
};

// Reads the records a resumed match already holds into the tally and the
// list of games done. The file must hold this match alone; without --seed
// its master seed is taken from the file.
bool read_resumed(MatchOptions& o, MatchTally& tally, std::string& error) {
  MatchConfig& c = o.plan.config;
  std::vector<std::string> seats;
  for (const MatchSeat& s : c.seats) seats.push_back(s.text);
  bool seed_known = o.seed_given;
  const bool ok = for_each_record(
      o.out,
      [&](const GameRecord& r, int) {
        if (!seed_known) c.master_seed = r.master_seed, seed_known = true;
        if (r.master_seed != c.master_seed || r.seats != seats ||
            r.tournament != tournament_name(c.tournament) || r.sprt != c.sprt || r.match != c.match)
          return (error = "a record of another match (master seed " +
                          std::to_string(r.master_seed) + ", " + r.match + ")"),
                 false;
        if (r.game >= o.plan.total_games() || r.game % o.plan.shard_count != o.plan.shard_index)
          return (error = "game " + std::to_string(r.game) + " is not one of this match"), false;
        if (std::binary_search(o.plan.done.begin(), o.plan.done.end(), r.game))
          return (error = "game " + std::to_string(r.game) + " appears twice"), false;
        o.plan.done.insert(std::upper_bound(o.plan.done.begin(), o.plan.done.end(), r.game),
                           r.game);
        return tally.add(r, error);
      },
      error);
  return ok;
}

int play_mode(MatchOptions& o, MatchIo io, std::atomic<bool>& stop) {
  RecordWriter writer;
  std::string error;
  if (!o.out.empty()) {
    const RecordWriter::Opened opened = writer.open(o.out, error);
    if (opened != RecordWriter::Opened::Ok) return fail(io.err, error);
    if (!writer.was_empty() && !o.resume)
      return fail(io.err, o.out + " already holds records: --resume goes on with its match", 2);
  }
  MatchTally tally(o.plan.shard_count == 1);
  if (o.resume) {
    if (!read_resumed(o, tally, error) || !writer.drop_partial_line(error))
      return fail(io.err, error);
  }
  // Without --seed, a new match draws its master seed; a resumed one has
  // taken its file's.
  if (!o.seed_given && tally.empty()) {
    std::random_device rd;
    o.plan.config.master_seed = (uint64_t{rd()} << 32) ^ rd();
  }
  piece_tables();
  if (!check_outside_seats(o.plan.config.seats, error)) {
    writer.discard_if_new();
    return fail(io.err, error);
  }
  if (repeats_games(o.plan.config))
    io.err << "trevosk-match: warning: deterministic seats and no openings: every pair repeats "
              "the same two games (use --openings or --openings-file)\n";

  const int to_play = planned_count(o.plan);
  const int total = to_play + static_cast<int>(o.plan.done.size());  // this shard's
  io.err << "trevosk-match: seed " << o.plan.config.master_seed << ", " << total << " games";
  if (!tally.empty()) io.err << " (" << tally.games() << " done)";
  io.err << ", concurrency " << o.plan.concurrency << "\n";

  std::atomic<bool> finish_pairs{false};
  auto concluded = [&] {
    return o.sprt && !tally.empty() &&
           sprt_verdict(sprt_llr(tally.pairing(0).pairs, *o.sprt), *o.sprt) !=
               SprtVerdict::Continue;
  };
  finish_pairs = concluded();
  int played = 0;
  bool write_failed = false;
  {
    Progress progress(tally, total, o.progress_every, io);
    run_match(
        o.plan,
        [&](const GameRecord& r) {
          if (!o.out.empty() && !write_failed && !writer.write(r)) {
            write_failed = true;
            stop.store(true);
            return;
          }
          progress.update([&] {
            std::string why;
            tally.add(r, why);
            ++played;
            if (concluded()) finish_pairs = true;
          });
        },
        &stop, &finish_pairs);
  }
  if (write_failed) fail(io.err, "cannot write " + o.out);
  if (tally.empty()) return fail(io.err, "no game finished");
  // Decided once is decided: the pairs finished after the decision count in
  // the summary's LLR, but do not reopen the test.
  const bool sprt_done = finish_pairs.load();
  const bool stopped = played < to_play && !sprt_done;
  if (sprt_done && played < to_play)
    io.err << "trevosk-match: SPRT decided after " << tally.games() << " of " << total
           << " games\n";
  else if (stopped)
    io.err << "trevosk-match: stopped after " << tally.games() << " of " << total << " games\n";
  print_summary(tally, o.csv, io);
  return write_failed ? 1 : stopped ? 130 : 0;
}

}  // namespace

int run_match_program(std::span<const std::string> words, MatchIo io, std::atomic<bool>& stop) {
  MatchOptions options;
  std::string error;
  if (!parse_match_options(words, options, error))
    return fail(io.err, error + " (trevosk-match --help lists the options)", 2);
  switch (options.mode) {
    case MatchOptions::Mode::Help:
      io.out << match_usage();
      return 0;
    case MatchOptions::Mode::Version:
      io.out << "trevosk-match " << kVersion << "\n";
      return 0;
    case MatchOptions::Mode::Summary:
      return summary_mode(options, io);
    case MatchOptions::Mode::Replay:
      return replay_mode(options, io);
    case MatchOptions::Mode::Play:
      break;
  }
  return play_mode(options, io, stop);
}

}  // namespace trevosk
