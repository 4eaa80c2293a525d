#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <csignal>
#include <fstream>
#include <sstream>

#include "match/match_options.h"
#include "match/match_runner.h"
#include "match/match_summary.h"
#include "match/record_file.h"
#include "match/replay.h"

namespace trevosk {
namespace {

// Outside programs that go away must be write errors, not signals: this
// process ignores SIGPIPE, as trevosk-match does at start-up.
class IgnoreSigpipe : public ::testing::Environment {
  void SetUp() override { std::signal(SIGPIPE, SIG_IGN); }
};
[[maybe_unused]] ::testing::Environment* const kIgnoreSigpipe =
    ::testing::AddGlobalTestEnvironment(new IgnoreSigpipe);

MatchPlan plan_of(const std::string& a, const std::string& b, int games, uint64_t seed) {
  MatchPlan plan;
  std::string error;
  EXPECT_TRUE(parse_seat(a, plan.config.seat_a, error)) << error;
  EXPECT_TRUE(parse_seat(b, plan.config.seat_b, error)) << error;
  plan.games = games;
  plan.config.master_seed = seed;
  return plan;
}

std::vector<GameRecord> play(const MatchPlan& plan) {
  std::vector<GameRecord> records;
  run_match(plan, [&](const GameRecord& r) { records.push_back(r); });
  return records;
}

// The records sorted by game, times left out: what must not depend on how a
// match was run.
std::string without_times(std::vector<GameRecord> records) {
  std::sort(records.begin(), records.end(),
            [](const GameRecord& a, const GameRecord& b) { return a.game < b.game; });
  std::string text;
  for (GameRecord& r : records) {
    r.ms.assign(r.ms.size(), std::nullopt);
    text += record_json(r) + "\n";
  }
  return text;
}

std::string summary_without_times(const std::vector<GameRecord>& records) {
  MatchSummary s;
  std::string error;
  EXPECT_TRUE(summarize(records, s, error)) << error;
  s.time_a = s.time_b = SeatTimes{};
  return summary_text(s);
}

std::string read_file(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Catches games that depend on the number of workers or on the shard, pairs
// without the same opening, and records that do not read back as written.
TEST(Match, SameSeedSameGames) {
  MatchPlan plan = plan_of("level:3", "level:4,r", 4, 99);
  plan.config.openings = 3;
  plan.concurrency = 1;
  const std::vector<GameRecord> one = play(plan);
  plan.concurrency = 2;
  const std::vector<GameRecord> two = play(plan);
  ASSERT_EQ(one.size(), 4u);
  EXPECT_EQ(without_times(one), without_times(two));

  plan.shard_count = 2;
  std::vector<GameRecord> shards;
  for (plan.shard_index = 0; plan.shard_index < 2; ++plan.shard_index)
    for (const GameRecord& r : play(plan)) shards.push_back(r);
  EXPECT_EQ(without_times(shards), without_times(one));
  EXPECT_EQ(summary_without_times(shards), summary_without_times(one));

  for (const GameRecord& r : one) {
    EXPECT_EQ(r.a_first, r.game % 2 == 0);
    const GameRecord& mate = one[r.game ^ 1];
    EXPECT_TRUE(std::equal(r.moves.begin(), r.moves.begin() + 3, mate.moves.begin()));
    GameRecord back;
    std::string error;
    ASSERT_TRUE(parse_record(record_json(r), back, error)) << error;
    EXPECT_EQ(record_json(back), record_json(r));
  }
}

// Catches an outside program whose games differ from the built-in seat's at
// the same level: the protocol's moves, passes or settings out of step.
TEST(Match, EngineProgramPlaysAsTheBuiltInSeat) {
  for (const char* a : {"level:5", "level:5,n,cmd=" TREVOSK_ENGINE}) {
    SCOPED_TRACE(a);
    MatchPlan plan = plan_of(a, "level:3,cmd=" TREVOSK_ENGINE, 2, 17);
    plan.config.openings = 2;
    MatchPlan built_in = plan_of(std::string(a).starts_with("level:5,n") ? "level:5,n" : "level:5",
                                 "level:3", 2, 17);
    built_in.config.openings = 2;
    const std::vector<GameRecord> outside = play(plan), inside = play(built_in);
    ASSERT_EQ(outside.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
      EXPECT_EQ(outside[i].reason, "");
      EXPECT_EQ(outside[i].moves, inside[i].moves);
    }
  }
}

// Catches a misbehaving outside program not caught, a wrong loser or reason,
// a program not restarted for the next game, and children left unreaped.
TEST(Match, MisbehavingProgramForfeits) {
  const struct {
    const char* mode;
    const char* reason;
  } cases[] = {
      {"crash", "closed its output (exited with status 3)"},
      {"hang", "timed out after 0.3 s"},
      {"error", "answered `? cannot move' to genmove"},
      {"garbage", "answered `hello'"},
      {"malformed", "malformed move `99z9'"},
      {"illegal", "illegal move 11a0"},
      {"close", "closed its output"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    MatchPlan plan =
        plan_of("level:3", std::string("cmd:") + MISBEHAVING_ENGINE + " " + c.mode, 2, 5);
    plan.config.move_time = 0.3;
    const std::vector<GameRecord> records = play(plan);
    ASSERT_EQ(records.size(), 2u);
    for (const GameRecord& r : records) {
      EXPECT_EQ(r.forfeit_player, r.a_first ? 2 : 1);
      EXPECT_EQ(r.points_a(), 1.0);
      EXPECT_EQ(r.reason, c.reason);
      // A's joseki is played before B is asked, when A moves first.
      EXPECT_EQ(r.moves.size(), r.a_first ? 1u : 0u);
    }
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  }
}

// Catches a game that is not the one trevosk -t plays with the same levels,
// and a replay that is not its transcript byte for byte.
TEST(Match, ReplayIsTheGoldenTranscript) {
  for (const int level : {3, 5}) {
    const std::string name = "game_" + std::to_string(level) + "_" + std::to_string(level);
    const std::string level_seat = "level:" + std::to_string(level);
    const std::string path = ::testing::TempDir() + name + ".jsonl";
    {
      RecordWriter writer;
      std::string error;
      ASSERT_TRUE(writer.open(path, error)) << error;
      for (const GameRecord& r : play(plan_of(level_seat, level_seat, 1, 1234)))
        ASSERT_TRUE(writer.write(r));
    }
    std::vector<GameRecord> records;
    std::string error;
    ASSERT_TRUE(read_records(path, records, error)) << error;
    ASSERT_EQ(records.size(), 1u);
    std::ostringstream out;
    ASSERT_TRUE(replay_game(records[0], out, error)) << error;
    EXPECT_EQ(out.str(), read_file(std::string(GOLDEN_DIR) + "/" + name + ".stdout")) << name;
  }
}

// Catches wrong counts, rates, intervals or Elo, and times or forfeits put
// on the wrong seat. The expected values are worked out by hand below.
TEST(Match, SummaryStatistics) {
  auto game = [](int index, double points_a, int diff) {
    GameRecord r;
    r.game = index;
    r.seat_a = "level:3";
    r.seat_b = "level:4";
    r.a_first = index % 2 == 0;
    const int a = r.player_of_a();
    r.winner = points_a == 0.5 ? 0 : points_a == 1 ? a : 3 - a;
    (a == 1 ? r.score1 : r.score2) = 50 + diff;
    (a == 1 ? r.score2 : r.score1) = 50;
    return r;
  };
  std::vector<GameRecord> records = {game(0, 1, 10), game(1, 1, 4), game(2, 0.5, 0),
                                     game(3, 0, -6)};
  records[0].moves = {Move::pass(), Move::pass()};
  records[0].ms = {1.0, 3.0};  // A is player 1: A 1 ms, B 3 ms
  records[1].moves = {Move::pass(), Move::pass()};
  records[1].ms = {std::nullopt, 5.0};  // B is player 1: A 5 ms
  records[3].forfeit_player = 2;        // A, player 2 in game 3
  MatchSummary s;
  std::string error;
  ASSERT_TRUE(summarize(records, s, error)) << error;
  EXPECT_EQ(s.wins, 2);
  EXPECT_EQ(s.draws, 1);
  EXPECT_EQ(s.losses, 1);
  // Points 1, 1, 1/2, 0: mean 0.625, sample variance 0.6875 / 3, standard
  // error sqrt(0.6875 / 3 / 4) = 0.239357, 1.96 of it 0.469139.
  EXPECT_NEAR(s.score_rate.value, 0.625, 1e-9);
  EXPECT_NEAR(s.score_rate.low, 0.155861, 1e-6);
  EXPECT_EQ(s.score_rate.high, 1.0);
  // -400 log10(1 / 0.625 - 1) = -400 log10(0.6); the low end likewise.
  EXPECT_NEAR(s.elo.value, 88.7395, 1e-4);
  EXPECT_NEAR(s.elo.low, -293.4710, 1e-4);
  EXPECT_TRUE(std::isinf(s.elo.high));
  // Differences 10, 4, 0, -6: mean 2, sample variance 136 / 3, half-width
  // 1.96 sqrt(136 / 12) = 6.598343.
  EXPECT_NEAR(s.score_diff.value, 2.0, 1e-9);
  EXPECT_NEAR(s.score_diff.low, -4.598343, 1e-6);
  EXPECT_NEAR(s.score_diff.high, 8.598343, 1e-6);
  EXPECT_EQ(s.time_a.moves, 2);
  EXPECT_DOUBLE_EQ(s.time_a.mean_ms, 3.0);
  EXPECT_DOUBLE_EQ(s.time_a.max_ms, 5.0);
  EXPECT_EQ(s.time_b.moves, 1);
  EXPECT_DOUBLE_EQ(s.time_b.max_ms, 3.0);
  ASSERT_EQ(s.forfeits.size(), 1u);
  EXPECT_EQ(s.forfeits[0].seat, 'A');

  EXPECT_DOUBLE_EQ(elo_difference(0.5), 0.0);
  records.push_back(records[0]);
  EXPECT_FALSE(summarize(records, s, error));  // game 0 twice
}

// --csv goes with --summary before, among or after its files.
TEST(Match, SummaryTakesCsvAnywhere) {
  for (const std::vector<std::string>& words :
       {std::vector<std::string>{"--summary", "--csv", "a", "b"},
        std::vector<std::string>{"--summary", "a", "--csv", "b"},
        std::vector<std::string>{"--csv", "--summary", "a", "b"}}) {
    MatchOptions o;
    std::string error;
    ASSERT_TRUE(parse_match_options(words, o, error)) << error;
    EXPECT_EQ(o.mode, MatchOptions::Mode::Summary);
    EXPECT_TRUE(o.csv);
    EXPECT_EQ(o.summary_files, (std::vector<std::string>{"a", "b"}));
  }
  MatchOptions o;
  std::string error;
  EXPECT_FALSE(parse_match_options(std::vector<std::string>{"--summary", "--csv"}, o, error));
}

}  // namespace
}  // namespace trevosk
