#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "match/match_options.h"
#include "match/match_runner.h"
#include "match/match_summary.h"
#include "match/ratings.h"
#include "match/record_file.h"
#include "match/replay.h"
#include "match/sprt.h"

namespace trevosk {
namespace {

// Outside programs that go away must be write errors, not signals: this
// process ignores SIGPIPE, as trevosk-match does at start-up.
class IgnoreSigpipe : public ::testing::Environment {
  void SetUp() override { std::signal(SIGPIPE, SIG_IGN); }
};
[[maybe_unused]] ::testing::Environment* const kIgnoreSigpipe =
    ::testing::AddGlobalTestEnvironment(new IgnoreSigpipe);

MatchPlan plan_of(const std::vector<std::string>& seats, int games, uint64_t seed) {
  MatchPlan plan;
  std::string error;
  for (const std::string& s : seats) {
    plan.config.seats.emplace_back();
    EXPECT_TRUE(parse_seat(s, plan.config.seats.back(), error)) << error;
  }
  plan.games = games;
  plan.config.master_seed = seed;
  return plan;
}

std::vector<GameRecord> play(const MatchPlan& plan, const std::atomic<bool>* finish = nullptr) {
  std::vector<GameRecord> records;
  run_match(
      plan, [&](const GameRecord& r) { records.push_back(r); }, nullptr, finish);
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

MatchTally tally_of(const std::vector<GameRecord>& records) {
  MatchTally tally;
  std::string error;
  for (const GameRecord& r : records) EXPECT_TRUE(tally.add(r, error)) << error;
  return tally;
}

std::string summary_without_times(const std::vector<GameRecord>& records) {
  std::string text = summary_text(tally_of(records));
  // Drop the time lines.
  std::string kept;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);)
    if (!line.starts_with("time per move")) kept += line + "\n";
  return kept;
}

std::string read_file(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A record of seat A's points and square difference in game `index` of a
// plain match between level:3 and level:4.
GameRecord game(int index, double points_a, int diff) {
  GameRecord r;
  r.game = index;
  r.seat_a = "level:3";
  r.seat_b = "level:4";
  r.seats = {r.seat_a, r.seat_b};
  r.a_first = index % 2 == 0;
  const int a = r.player_of_a();
  r.winner = points_a == 0.5 ? 0 : points_a == 1 ? a : 3 - a;
  (a == 1 ? r.score1 : r.score2) = 50 + diff;
  (a == 1 ? r.score2 : r.score1) = 50;
  return r;
}

// Catches games that depend on the number of workers or on the shard, pairs
// without the same opening, and records that do not read back as written.
TEST(Match, SameSeedSameGames) {
  MatchPlan plan = plan_of({"level:3", "level:4,r"}, 4, 99);
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

// Catches a round-robin whose games depend on the workers or shards, games
// put in the wrong pairing or with another opening than the pairing's pair,
// a crosstable off its pairings, and ratings out of the order of strength.
TEST(Match, RoundRobin) {
  MatchPlan plan = plan_of({"level:3", "level:5", "level:8"}, 4, 11);
  plan.config.tournament = Tournament::RoundRobin;
  plan.config.openings = 4;
  plan.concurrency = 1;
  const std::vector<GameRecord> one = play(plan);
  ASSERT_EQ(one.size(), 12u);
  plan.concurrency = 2;
  EXPECT_EQ(without_times(play(plan)), without_times(one));
  plan.shard_count = 2;
  std::vector<GameRecord> shards;
  for (plan.shard_index = 0; plan.shard_index < 2; ++plan.shard_index)
    for (const GameRecord& r : play(plan)) shards.push_back(r);
  EXPECT_EQ(without_times(shards), without_times(one));
  EXPECT_EQ(summary_without_times(shards), summary_without_times(one));

  std::vector<GameRecord> sorted = one;
  std::sort(sorted.begin(), sorted.end(),
            [](const GameRecord& a, const GameRecord& b) { return a.game < b.game; });
  const std::pair<int, int> pairings[] = {{0, 1}, {0, 2}, {1, 2}};
  for (const GameRecord& r : sorted) {
    EXPECT_EQ(r.pairing, r.game / 2 % 3);
    EXPECT_EQ(r.seat_a, r.seats[pairings[r.pairing].first]);
    EXPECT_EQ(r.seat_b, r.seats[pairings[r.pairing].second]);
    // Pair k of every pairing opens alike.
    const GameRecord& first = sorted[r.game / 6 * 6];
    EXPECT_TRUE(std::equal(r.moves.begin(), r.moves.begin() + 4, first.moves.begin()));
  }
  const MatchTally tally = tally_of(one);
  const RatingFit fit = tournament_ratings(tally);
  ASSERT_EQ(fit.ratings.size(), 3u);
  EXPECT_LT(fit.ratings[0].elo, fit.ratings[1].elo);
  EXPECT_LT(fit.ratings[1].elo, fit.ratings[2].elo);
  EXPECT_NEAR(fit.ratings[0].elo + fit.ratings[1].elo + fit.ratings[2].elo, 0, 1e-6);
  // The crosstable's cell of seat 3 against seat 1 is pairing 1 from B's side.
  const PairingTally& p1 = tally.pairing(1);
  const std::string text = summary_text(tally);
  std::ostringstream cell;
  cell << p1.games() - p1.points() << "/" << p1.games();
  const size_t row3 = text.find("\n     3 ", text.find("crosstable"));
  ASSERT_NE(row3, std::string::npos) << text;
  EXPECT_EQ(text.substr(row3 + 7, 12).find(cell.str()), 12 - cell.str().size()) << text;
}

// Catches an outside program whose games differ from the built-in seat's at
// the same level: the protocol's moves, passes or settings out of step.
TEST(Match, EngineProgramPlaysAsTheBuiltInSeat) {
  for (const char* a : {"level:5", "level:5,n,cmd=" TREVOSK_ENGINE}) {
    SCOPED_TRACE(a);
    MatchPlan plan = plan_of({a, "level:3,cmd=" TREVOSK_ENGINE}, 2, 17);
    plan.config.openings = 2;
    MatchPlan built_in = plan_of(
        {std::string(a).starts_with("level:5,n") ? "level:5,n" : "level:5", "level:3"}, 2, 17);
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
        plan_of({"level:3", std::string("cmd:") + MISBEHAVING_ENGINE + " " + c.mode}, 2, 5);
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

// Catches a program not told its clock, and a program that overruns its
// clock not losing on time (or waited for past it).
TEST(Match, Clocks) {
  MatchPlan plan = plan_of({"level:3", std::string("cmd:") + MISBEHAVING_ENGINE + " tell"}, 2, 5);
  plan.config.clock = {2.5, 0.25};
  for (const GameRecord& r : play(plan))
    EXPECT_EQ(r.reason,
              "answered `? 2.5 0.25 | " + std::to_string(r.a_first ? 2 : 1) + " 2.5' to genmove");

  plan = plan_of({"level:2", std::string("cmd:") + MISBEHAVING_ENGINE + " hang"}, 2, 5);
  plan.config.clock = {0.4, 0};
  for (const GameRecord& r : play(plan)) {
    ASSERT_EQ(r.forfeit_player, r.a_first ? 2 : 1);
    // Waited for no longer than its clock, give or take 0.1 s.
    double took = 0;
    ASSERT_EQ(std::sscanf(r.reason.c_str(), "out of time: took %lf s with 0.400 s left", &took), 1)
        << r.reason;
    EXPECT_GE(took, 0.4);
    EXPECT_LT(took, 0.5);
  }
}

// Catches a search level not given its budget from the clock (it would
// take its fixed simulations, or next to no time) and a clock run down by
// more than the moves took. Skipped under the sanitizers, whose search is
// several times slower than any budget.
TEST(Match, SearchLevelUnderAClock) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "a search under the sanitizers overruns its budget";
#endif
  MatchPlan plan = plan_of({"level:9", "level:4"}, 2, 5);
  plan.config.clock = {2, 0.05};
  for (const GameRecord& r : play(plan)) {
    EXPECT_EQ(r.forfeit_player, 0) << r.reason;
    double used[2] = {0, 0};
    int moves[2] = {0, 0};
    for (size_t j = 0; j < r.ms.size(); ++j)
      if (r.ms[j]) used[j % 2] += *r.ms[j] / 1000, ++moves[j % 2];
    for (int p = 0; p < 2; ++p) EXPECT_LT(used[p], 2 + 0.05 * moves[p]);
    EXPECT_GT(used[r.player_of_a() - 1], 1.0);
  }
}

// Catches a stop that leaves half a pair, or plays on after it: once the
// first game is in, only the pairs already begun are finished.
TEST(Match, FinishPairs) {
  MatchPlan plan = plan_of({"level:1", "level:1"}, 40, 3);
  plan.concurrency = 2;
  std::atomic<bool> finish{false};
  std::vector<GameRecord> records;
  run_match(
      plan,
      [&](const GameRecord& r) {
        records.push_back(r);
        finish = true;
      },
      nullptr, &finish);
  ASSERT_GE(records.size(), 2u);
  EXPECT_LE(records.size(), 4u);
  EXPECT_EQ(records.size() % 2, 0u);
  for (const GameRecord& r : records)
    EXPECT_EQ(std::count_if(records.begin(), records.end(),
                            [&](const GameRecord& o) { return o.game == (r.game ^ 1); }),
              1);
  // A resumed plan skips what is done and completes a pair begun.
  plan.done = {0, 1, 3};
  plan.games = 6;
  plan.concurrency = 1;
  finish = true;
  std::vector<int> games;
  for (const GameRecord& r : play(plan, &finish)) games.push_back(r.game);
  EXPECT_EQ(games, std::vector<int>{2});
  EXPECT_EQ(planned_count(plan), 3);
}

// Catches a game that is not the one trevosk -t plays with the same levels,
// and a replay that is not its transcript byte for byte.
TEST(Match, ReplayIsTheGoldenTranscript) {
  for (const int level : {3, 5}) {
    const std::string name = "game_" + std::to_string(level) + "_" + std::to_string(level);
    const std::string level_seat = "level:" + std::to_string(level);
    const std::string path = ::testing::TempDir() + name + ".jsonl";
    std::remove(path.c_str());
    {
      RecordWriter writer;
      std::string error;
      ASSERT_EQ(writer.open(path, error), RecordWriter::Opened::Ok) << error;
      for (const GameRecord& r : play(plan_of({level_seat, level_seat}, 1, 1234)))
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
  std::vector<GameRecord> records = {game(0, 1, 10), game(1, 1, 4), game(2, 0.5, 0),
                                     game(3, 0, -6)};
  records[0].moves = {Move::pass(), Move::pass()};
  records[0].ms = {1.0, 3.0};  // A is player 1: A 1 ms, B 3 ms
  records[1].moves = {Move::pass(), Move::pass()};
  records[1].ms = {std::nullopt, 5.0};  // B is player 1: A 5 ms
  records[3].forfeit_player = 2;        // A, player 2 in game 3
  const MatchTally tally = tally_of(records);
  const MatchSummary s = summarize_pairing(tally, 0);
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
  EXPECT_EQ(s.forfeits, (std::array<int, 2>{1, 0}));
  ASSERT_EQ(tally.forfeits().size(), 1u);
  EXPECT_EQ(tally.forfeits()[0].side, 'A');
  // Pairs (0, 1) and (2, 3) score 2 and 1/2 for A.
  EXPECT_EQ(s.pairs, (PairCounts{0, 1, 0, 0, 1}));

  EXPECT_DOUBLE_EQ(elo_difference(0.5), 0.0);
  MatchTally other;
  std::string error;
  GameRecord stranger = game(4, 1, 1);
  stranger.seats = {"level:3", "level:5"};
  stranger.seat_b = "level:5";
  ASSERT_TRUE(other.add(records[0], error));
  EXPECT_FALSE(other.add(stranger, error));
}

// Catches wrong pair scores, per-pair intervals, LOS, LLR, ratings or clock
// budgets, against values worked out by hand.
TEST(Match, PairsSprtRatingsAndBudgets) {
  // Pair scores 0, 1, 1, 3/2 (A's per-game means 0, 1/2, 1/2, 3/4) and one
  // game without its mate.
  const double pair_points[][2] = {{0, 0}, {1, 0}, {0.5, 0.5}, {1, 0.5}};
  std::vector<GameRecord> records;
  for (int k = 0; k < 4; ++k)
    for (int g = 0; g < 2; ++g) records.push_back(game(2 * k + g, pair_points[k][g], 0));
  records.push_back(game(8, 1, 0));
  const MatchSummary s = summarize_pairing(tally_of(records), 0);
  EXPECT_EQ(s.pairs, (PairCounts{1, 0, 2, 1, 0}));
  EXPECT_EQ(s.pair_count, 4);
  EXPECT_EQ(s.unpaired_games, 1);
  // Mean 1.75 / 4 = 0.4375; squared deviations 0.19140625, 0.00390625 (twice)
  // and 0.09765625 sum to 0.296875, / 3 = 0.0989583; standard error
  // sqrt(0.0989583 / 4) = 0.1572882, 1.96 of it 0.3082861.
  EXPECT_NEAR(s.pair_score_rate.value, 0.4375, 1e-12);
  EXPECT_NEAR(s.pair_score_rate.low, 0.1292151, 1e-6);
  EXPECT_NEAR(s.pair_score_rate.high, 0.7457849, 1e-6);
  // -400 log10(1 / 0.4375 - 1) = -400 log10(9 / 7).
  EXPECT_NEAR(s.pair_elo.value, -43.65779, 1e-4);
  // Phi(-0.0625 / 0.1572882) = Phi(-0.397361).
  EXPECT_NEAR(s.los, 0.3455511, 1e-6);

  // Pair scores 1/2 (4 pairs) and 3/2 (6 pairs): the distribution of mean s
  // on {1/4, 3/4} gives 3/4 the weight (s - 1/4) / (1/2). H0: s = 1/2, so
  // 1/2 each; H1 at 400 log10(1.5) Elo: s = 0.6, so 0.7 and 0.3. LLR =
  // 6 ln(0.7 / 0.5) + 4 ln(0.3 / 0.5) = -0.0244691.
  EXPECT_NEAR(pentanomial_llr({0, 4, 0, 6, 0}, 0.5, logistic_score(400 * std::log10(1.5))),
              -0.02446908, 1e-7);
  // Every count present: the same maximisation done apart (0.424829), near
  // the quadratic approximation N (s1 - s0)(2 mean - s0 - s1) / (2 var) =
  // 0.4274 for these 70 pairs.
  const SprtSettings sprt{0, 10, 0.05, 0.05};
  EXPECT_NEAR(sprt_llr({3, 14, 30, 17, 6}, sprt), 0.4248288, 1e-6);
  EXPECT_NEAR(sprt.upper(), std::log(19.0), 1e-12);
  EXPECT_NEAR(sprt.lower(), -std::log(19.0), 1e-12);
  EXPECT_EQ(sprt_verdict(3.0, sprt), SprtVerdict::H1);
  EXPECT_EQ(sprt_verdict(-3.0, sprt), SprtVerdict::H0);
  EXPECT_EQ(sprt_verdict(2.9, sprt), SprtVerdict::Continue);

  // Three seats whose scores fit Bradley-Terry exactly: A scores 3/4 against
  // B and B 3/4 against C (4 games each), A 9/10 against C (10 games), so
  // r_A - r_B = r_B - r_C = 400 log10 3 = 190.848502. The information (times
  // c^2, c = ln 10 / 400) has 4 * 3/16 = 0.75 for A-B and B-C, 10 * 0.09 =
  // 0.9 for A-C. With A at 0: B, C have [[1.5, -0.75], [-0.75, 1.65]], of
  // determinant 1.9125; var B = 1.65 / 1.9125 / c^2, sd 161.3562, 1.96 of
  // it 316.2581. With the mean at 0 the pseudo-inverse gives 176.9721,
  // 185.3376, 176.9721.
  const PairingScore games[] = {{0, 1, 4, 3}, {1, 2, 4, 3}, {0, 2, 10, 9}};
  const RatingFit first = fit_ratings(3, games, RatingAnchor::FirstSeat);
  ASSERT_EQ(first.ratings.size(), 3u);
  EXPECT_FALSE(first.draw_added);
  EXPECT_NEAR(first.ratings[1].elo, -190.848502, 1e-6);
  EXPECT_NEAR(first.ratings[2].elo, -381.697004, 1e-6);
  EXPECT_NEAR(first.ratings[1].high - first.ratings[1].elo, 316.25808, 1e-4);
  EXPECT_EQ(first.ratings[0].low, 0);
  const RatingFit mean = fit_ratings(3, games, RatingAnchor::Mean);
  EXPECT_NEAR(mean.ratings[0].elo, 190.848502, 1e-6);
  EXPECT_NEAR(mean.ratings[1].elo, 0, 1e-6);
  EXPECT_NEAR(mean.ratings[0].high - mean.ratings[0].elo, 176.97213, 1e-4);
  EXPECT_NEAR(mean.ratings[1].high - mean.ratings[1].elo, 185.33758, 1e-4);
  // Two seats: the fit is the match's Elo; a clean sweep adds a draw.
  const PairingScore two[] = {{0, 1, 8, 5}};
  EXPECT_NEAR(fit_ratings(2, two, RatingAnchor::FirstSeat).ratings[1].elo, -elo_difference(5.0 / 8),
              1e-6);
  const PairingScore sweep[] = {{0, 1, 8, 8}};
  const RatingFit swept = fit_ratings(2, sweep, RatingAnchor::FirstSeat);
  EXPECT_TRUE(swept.draw_added);
  EXPECT_NEAR(swept.ratings[1].elo, -elo_difference(8.5 / 9), 1e-6);

  // 10 s left before any placement: 10 / 18 + 0.75 * 0.1; after 16: a share
  // of 4 moves, 2.575; 0.3 s left: capped below 0.3 - 0.065; nearly out.
  EXPECT_NEAR(move_budget(10, 0.1, 0), 0.6305556, 1e-6);
  EXPECT_NEAR(move_budget(10, 0.1, 16), 2.575, 1e-9);
  EXPECT_NEAR(move_budget(0.3, 0.1, 5), 0.0980769, 1e-6);
  EXPECT_NEAR(move_budget(0.2, 1, 5), 0.14, 1e-9);
  EXPECT_EQ(move_budget(0.04, 0, 3), kMinBudget);
}

// Catches documented command lines refused or misread, and words that
// should be refused taken as seats or files.
TEST(Match, CommandLine) {
  auto parse = [](std::vector<std::string> words, MatchOptions& o) {
    std::string error;
    return parse_match_options(words, o, error) ? std::string() : error;
  };
  MatchOptions o;
  for (const std::vector<std::string>& words :
       {std::vector<std::string>{"--summary", "--csv", "a.jsonl", "b.jsonl"},
        {"--csv", "--summary", "a.jsonl", "b.jsonl"},
        {"--summary", "a.jsonl", "b.jsonl", "--csv"}}) {
    EXPECT_EQ(parse(words, o), "");
    EXPECT_EQ(o.mode, MatchOptions::Mode::Summary);
    EXPECT_TRUE(o.csv);
    EXPECT_EQ(o.summary_files, (std::vector<std::string>{"a.jsonl", "b.jsonl"}));
  }
  EXPECT_EQ(parse({"--version"}, o), "");
  EXPECT_EQ(o.mode, MatchOptions::Mode::Version);
  EXPECT_EQ(parse({"-games", "4", "level:1", "level:2"}, o), "unknown option `-games'");
  EXPECT_EQ(parse({"--summary"}, o), "--summary needs a file");
  EXPECT_EQ(parse({"--sprt", "elo0=5,elo1=0", "level:1", "level:2"}, o),
            "wrong argument `elo0=5,elo1=0' for --sprt: expected "
            "elo0=E0,elo1=E1[,alpha=A,beta=B]: elo0 must be less than elo1");
  EXPECT_EQ(parse({"--tournament", "gauntlet", "--games", "3", "level:1", "level:2", "level:3"}, o),
            "a tournament plays whole pairs: --games must be even");
  EXPECT_EQ(parse({"--resume", "level:1", "level:2"}, o), "--resume needs --out FILE");
  EXPECT_EQ(parse({"--tc", "0+1", "level:1", "level:2"}, o),
            "wrong argument `0+1' for --tc: expected BASE+INC in seconds, BASE > 0");

  // Quoting in cmd: seats.
  EXPECT_EQ(parse({"--sprt", "elo0=0,elo1=5", "--tc", "10+0.1", "level:3",
                   R"(cmd:"/opt/my engine/run" --name 'a b' x\ y "say \"hi\"" '')"},
                  o),
            "");
  EXPECT_EQ(
      o.plan.config.seats[1].command,
      (std::vector<std::string>{"/opt/my engine/run", "--name", "a b", "x y", "say \"hi\"", ""}));
  EXPECT_EQ(o.plan.config.clock.base, 10);
  EXPECT_EQ(o.plan.config.clock.increment, 0.1);
  EXPECT_EQ(o.plan.config.sprt, "elo0=0,elo1=5,alpha=0.05,beta=0.05");
  EXPECT_EQ(parse({"level:3", "cmd:'unclosed"}, o), "unclosed ' in the command");

  // Deterministic seats without openings repeat their games.
  EXPECT_EQ(parse({"level:5", "level:8,cmd=engine"}, o), "");
  EXPECT_TRUE(repeats_games(o.plan.config));
  for (const std::vector<std::string>& varied :
       {std::vector<std::string>{"--openings", "2", "level:5", "level:8"},
        {"level:5", "level:8,r"},
        {"level:5", "level:2"},
        {"level:5", "cmd:engine"}}) {
    EXPECT_EQ(parse(varied, o), "");
    EXPECT_FALSE(repeats_games(o.plan.config)) << varied[1];
  }
}

// Catches a suite line taken whole though illegal, a wrong line number, and
// an order that is not a permutation of the lines.
TEST(Match, OpeningSuite) {
  OpeningSuite suite;
  std::string error;
  EXPECT_TRUE(parse_opening_suite("# four\n\n66t0 99s0 # comment\n55a0\n", suite, error)) << error;
  ASSERT_EQ(suite.lines.size(), 2u);
  EXPECT_EQ(suite.lines[0].size(), 2u);
  EXPECT_FALSE(parse_opening_suite("66t0\n66t0 66t0\n", suite, error));
  EXPECT_EQ(error, "line 2, half-move 2: 66t0 is not legal");
  EXPECT_FALSE(parse_opening_suite("66t0 xyz\n", suite, error));
  EXPECT_EQ(error, "line 1, half-move 2: `xyz' is not a move");
  for (uint64_t seed : {1u, 2u}) {
    std::vector<size_t> seen;
    for (int pair = 7; pair < 14; ++pair) seen.push_back(opening_line(7, seed, pair, true));
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, (std::vector<size_t>{0, 1, 2, 3, 4, 5, 6}));
  }
  EXPECT_EQ(opening_line(7, 1, 9, false), 2u);
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
