#include "match/match_program.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "match/match_options.h"
#include "match/match_runner.h"
#include "match/match_summary.h"
#include "match/record_file.h"
#include "match/replay.h"
#include "rules/pieces.h"

namespace trevosk {

namespace {

int fail(std::ostream& err, const std::string& message, int status = 1) {
  err << "trevosk-match: " << message << "\n";
  return status;
}

int print_summary(std::vector<GameRecord> records, bool csv, MatchIo io) {
  MatchSummary s;
  std::string error;
  if (!summarize(std::move(records), s, error)) return fail(io.err, error);
  io.out << (csv ? summary_csv_header() + summary_csv_row(s) : summary_text(s)) << std::flush;
  return 0;
}

int summary_mode(const MatchOptions& o, MatchIo io) {
  std::vector<GameRecord> records;
  std::string error;
  for (const std::string& f : o.summary_files)
    if (!read_records(f, records, error)) return fail(io.err, error);
  return print_summary(std::move(records), o.csv, io);
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

// The progress line on a terminal: games done, A's points, the time left.
class Progress {
 public:
  Progress(int total, MatchIo io) : total_(total), err_(io.err), shown_(io.err_is_terminal) {}
  void add(const GameRecord& r) {
    ++done_;
    points_ += r.points_a();
    if (!shown_) return;
    const double elapsed = std::chrono::duration<double>(Clock::now() - start_).count();
    const int left = static_cast<int>(std::lround(elapsed / done_ * (total_ - done_)));
    char line[128];
    std::snprintf(line, sizeof line, "\r\033[K%d/%d games  A %.1f - B %.1f  %d:%02d left", done_,
                  total_, points_, done_ - points_, left / 60, left % 60);
    err_ << line << std::flush;
  }
  void end() {
    if (shown_ && done_) err_ << "\r\033[K" << std::flush;
  }

 private:
  using Clock = std::chrono::steady_clock;
  int total_;
  std::ostream& err_;
  bool shown_;
  int done_ = 0;
  double points_ = 0;
  Clock::time_point start_ = Clock::now();
};

int play_mode(MatchOptions& o, MatchIo io, std::atomic<bool>& stop) {
  if (!o.seed_given) {
    std::random_device rd;
    o.plan.config.master_seed = (uint64_t{rd()} << 32) ^ rd();
  }
  RecordWriter writer;
  std::string error;
  if (!o.out.empty() && !writer.open(o.out, error)) return fail(io.err, error);
  piece_tables();

  const int total = static_cast<int>(planned_games(o.plan).size());
  io.err << "trevosk-match: seed " << o.plan.config.master_seed << ", " << total
         << " games, concurrency " << o.plan.concurrency << "\n";
  std::vector<GameRecord> records;
  Progress progress(total, io);
  bool write_failed = false;
  run_match(
      o.plan,
      [&](const GameRecord& r) {
        if (!o.out.empty() && !write_failed && !writer.write(r)) {
          write_failed = true;
          stop.store(true);
        }
        records.push_back(r);
        progress.add(r);
      },
      &stop);
  progress.end();
  if (write_failed) fail(io.err, "cannot write " + o.out);
  if (records.empty()) return fail(io.err, "no game finished");
  const bool stopped = static_cast<int>(records.size()) < total;
  if (stopped)
    io.err << "trevosk-match: stopped after " << records.size() << " of " << total << " games\n";
  const int status = print_summary(std::move(records), o.csv, io);
  return write_failed ? 1 : stopped ? 130 : status;
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
