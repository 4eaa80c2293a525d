// MatchTally and MatchSummary: what the records of a match or tournament say.
//
// The tally takes the records one at a time, in any order, and keeps only
// running counts and sums, so that its size does not grow with the games:
// per pairing, A's wins, draws and losses, the sums of the score
// differences and their squares, the times per move, the pair scores, and
// the pairs whose second game is still to come. For a pairing, the summary
// gives A's score rate with a 95 % interval of 1.96 standard errors from
// the per-game points (sample variance), the Elo difference
// -400 log10(1/s - 1) with the interval's ends through the same formula,
// the mean score difference in squares with its interval, the times per
// move, the forfeits; from the complete pairs (same opening, seats
// swapped), the pentanomial counts, the score rate and Elo with an interval
// from the per-pair variance, the likelihood of superiority and, with SPRT
// settings, the test's LLR. A tournament adds the crosstable and the
// Bradley-Terry ratings of its seats.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "match/game_record.h"
#include "match/ratings.h"
#include "match/sprt.h"
#include "match/tournament.h"

namespace trevosk {

struct Interval {
  double value = 0;
  double low = 0;   // NaN when fewer than two values
  double high = 0;  // NaN when fewer than two values
};

struct SeatTimes {
  double mean_ms = 0;
  double max_ms = 0;
  long moves = 0;  // half-moves the seat was asked for
};

struct Forfeit {
  uint64_t master_seed = 0;
  int game = 0;
  std::string seat;  // the seat as given
  char side = 'A';   // A or B of its pairing
  int player = 1;
  std::string reason;
};

// The running figures of one pairing, from its seat A's view.
struct PairingTally {
  int wins = 0;
  int draws = 0;
  int losses = 0;
  long long diff_sum = 0;                  // A's squares - B's, summed over the games
  long long diff_squares = 0;              // and their squares
  std::array<long long, 2> time_us{0, 0};  // A, B: microseconds over the timed moves
  std::array<double, 2> max_ms{0, 0};
  std::array<long, 2> moves{0, 0};
  std::array<int, 2> forfeits{0, 0};
  PairCounts pairs{0, 0, 0, 0, 0};
  // Pairs of which one game is counted: (master seed, pair) -> A's points
  // in it, doubled.
  std::map<std::pair<uint64_t, int>, int> waiting;

  int games() const { return wins + draws + losses; }
  double points() const { return wins + draws / 2.0; }
};

class MatchTally {
 public:
  // count_pairs: whether to pair games up; a shard never holds both games
  // of a pair, and would only pile up unpaired ones.
  explicit MatchTally(bool count_pairs = true) : count_pairs_(count_pairs) {}

  // Adds one record. The first one sets the seats, the tournament and the
  // SPRT settings; false with a message for a record that does not fit them.
  bool add(const GameRecord& r, std::string& error);

  int games() const { return games_; }
  bool empty() const { return games_ == 0; }
  const std::vector<std::string>& seats() const { return seats_; }
  Tournament tournament() const { return tournament_; }
  const std::vector<std::pair<int, int>>& pairings() const { return pairings_; }
  const PairingTally& pairing(int p) const { return tallies_[p]; }
  const std::optional<SprtSettings>& sprt() const { return sprt_; }
  const std::set<uint64_t>& master_seeds() const { return master_seeds_; }
  // The first kListedForfeits forfeits in (master seed, game) order.
  const std::vector<Forfeit>& forfeits() const { return forfeits_; }
  int forfeit_count() const { return forfeit_count_; }

  static constexpr size_t kListedForfeits = 20;

 private:
  bool count_pairs_;
  int games_ = 0;
  std::vector<std::string> seats_;
  Tournament tournament_ = Tournament::None;
  std::vector<std::pair<int, int>> pairings_;
  std::vector<PairingTally> tallies_;
  std::optional<SprtSettings> sprt_;
  std::string sprt_text_;
  std::set<uint64_t> master_seeds_;
  std::vector<Forfeit> forfeits_;
  int forfeit_count_ = 0;
};

// One pairing's figures, from its seat A's view.
struct MatchSummary {
  std::string seat_a;
  std::string seat_b;
  int games = 0;
  int wins = 0;  // of A
  int draws = 0;
  int losses = 0;
  Interval score_rate;  // of A
  Interval elo;         // A - B
  Interval score_diff;  // A - B, squares per game
  SeatTimes time_a;
  SeatTimes time_b;
  std::array<int, 2> forfeits{0, 0};  // A, B
  // From the complete pairs.
  PairCounts pairs{0, 0, 0, 0, 0};
  long pair_count = 0;
  int unpaired_games = 0;  // games whose pair-mate is not counted
  Interval pair_score_rate;
  Interval pair_elo;
  double los = 0;  // likelihood that A is the stronger, NaN without pairs
  // With SPRT settings.
  std::optional<SprtSettings> sprt;
  double llr = 0;
  SprtVerdict verdict = SprtVerdict::Continue;
};

// -400 log10(1/s - 1); minus or plus infinity at 0 and 1.
double elo_difference(double score_rate);

// The mean with mean -/+ 1.96 s / sqrt(n), s the sample standard deviation
// (divisor n - 1), from the number of values, their sum and the sum of
// their squares.
Interval mean_interval(double n, double sum, double squares);

// Phi((s - 1/2) / se): the normal approximation of the chance that the true
// score rate is above 1/2, for a rate s with standard error se.
double likelihood_of_superiority(double s, double se);

MatchSummary summarize_pairing(const MatchTally& tally, int pairing);

// The summary for people, a few labelled lines (a tournament's: the
// ratings, the crosstable and the forfeits).
std::string summary_text(const MatchTally& tally);
// The summary as a CSV header line and rows, for spreadsheets and scripts:
// one row for a plain match, one per seat for a tournament.
std::string summary_csv(const MatchTally& tally);

// The ratings of a tournament's seats (anchored at the first seat in a
// gauntlet, at their mean in a round-robin).
RatingFit tournament_ratings(const MatchTally& tally);

}  // namespace trevosk
