// trevosk-match: plays many seeded games between two seats, keeps every game
// as a record line, and summarises them; also summarises and replays record
// files.
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "game/stream_edges.h"
#include "match/match_options.h"
#include "match/match_runner.h"
#include "match/match_summary.h"
#include "match/record_file.h"
#include "match/replay.h"
#include "rules/pieces.h"

namespace {

using namespace trevosk;

std::atomic<bool> g_stop{false};

void on_signal(int) { g_stop.store(true); }

int fail(const std::string& message, int status = 1) {
  std::cerr << "trevosk-match: " << message << "\n";
  return status;
}

int print_summary(std::vector<GameRecord> records, bool csv) {
  MatchSummary s;
  std::string error;
  if (!summarize(std::move(records), s, error)) return fail(error);
  std::cout << (csv ? summary_csv_header() + summary_csv_row(s) : summary_text(s)) << std::flush;
  return 0;
}

int summary_mode(const MatchOptions& o) {
  std::vector<GameRecord> records;
  std::string error;
  for (const std::string& f : o.summary_files)
    if (!read_records(f, records, error)) return fail(error);
  return print_summary(std::move(records), o.csv);
}

int replay_mode(const MatchOptions& o) {
  std::vector<GameRecord> records;
  std::string error;
  if (!read_records(o.replay_file, records, error)) return fail(error);
  for (const GameRecord& r : records) {
    if (o.replay_game && r.game != *o.replay_game) continue;
    if (!replay_game(r, std::cout, error)) return fail(o.replay_file + ": " + error);
    return 0;
  }
  std::string which = "no game";
  if (o.replay_game) which += ' ' + std::to_string(*o.replay_game);
  return fail(o.replay_file + ": " + which);
}

// The progress line on a terminal: games done, A's points, the time left.
class Progress {
 public:
  Progress(int total) : total_(total), shown_(isatty(STDERR_FILENO)) {}
  void add(const GameRecord& r) {
    ++done_;
    points_ += r.points_a();
    if (!shown_) return;
    const double elapsed = std::chrono::duration<double>(Clock::now() - start_).count();
    const int left = static_cast<int>(elapsed / done_ * (total_ - done_) + 0.5);
    std::fprintf(stderr, "\r\033[K%d/%d games  A %.1f - B %.1f  %d:%02d left", done_, total_,
                 points_, done_ - points_, left / 60, left % 60);
    std::fflush(stderr);
  }
  void end() {
    if (shown_ && done_) std::fputs("\r\033[K", stderr);
  }

 private:
  using Clock = std::chrono::steady_clock;
  int total_;
  bool shown_;
  int done_ = 0;
  double points_ = 0;
  Clock::time_point start_ = Clock::now();
};

int play_mode(MatchOptions& o) {
  if (!o.seed_given) {
    std::random_device rd;
    o.plan.config.master_seed = (uint64_t{rd()} << 32) ^ rd();
  }
  RecordWriter writer;
  std::string error;
  if (!o.out.empty() && !writer.open(o.out, error)) return fail(error);
  struct sigaction sa {};
  sa.sa_handler = on_signal;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  std::signal(SIGPIPE, SIG_IGN);
  piece_tables();

  const int total = static_cast<int>(planned_games(o.plan).size());
  std::cerr << "trevosk-match: seed " << o.plan.config.master_seed << ", " << total
            << " games, concurrency " << o.plan.concurrency << "\n";
  std::vector<GameRecord> records;
  Progress progress(total);
  bool write_failed = false;
  run_match(
      o.plan,
      [&](const GameRecord& r) {
        if (!o.out.empty() && !write_failed && !writer.write(r)) {
          write_failed = true;
          g_stop.store(true);
        }
        records.push_back(r);
        progress.add(r);
      },
      &g_stop);
  progress.end();
  if (write_failed) fail("cannot write " + o.out);
  if (records.empty()) return fail("no game finished");
  const bool stopped = static_cast<int>(records.size()) < total;
  if (stopped)
    std::cerr << "trevosk-match: stopped after " << records.size() << " of " << total << " games\n";
  const int status = print_summary(std::move(records), o.csv);
  return write_failed ? 1 : stopped ? 130 : status;
}

int run(int argc, char** argv) {
  const std::vector<std::string> words(argv + 1, argv + argc);
  MatchOptions options;
  std::string error;
  if (!parse_match_options(words, options, error))
    return fail(error + " (trevosk-match --help lists the options)", 2);
  switch (options.mode) {
    case MatchOptions::Mode::Help:
      std::cout << match_usage();
      return 0;
    case MatchOptions::Mode::Summary:
      return summary_mode(options);
    case MatchOptions::Mode::Replay:
      return replay_mode(options);
    case MatchOptions::Mode::Play:
      break;
  }
  return play_mode(options);
}

}  // namespace

int main(int argc, char** argv) {
  const int status = run(argc, argv);
  // A summary or replay that could not be written is a failure, whatever else went well.
  if (!output_ok(std::cout, std::cerr, "trevosk-match")) return kOutputFailedStatus;
  return status;
}
