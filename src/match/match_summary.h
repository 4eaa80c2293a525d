// MatchSummary: what a set of game records says about seat A against B.
//
// Wins, draws and losses of A; A's score rate (1 a win, 1/2 a draw, 0 a
// loss, per game) with a 95 % interval of 1.96 standard errors from the
// sample variance of the per-game points; the Elo difference
// -400 log10(1/s - 1) of that rate, the interval's ends mapped through the
// same formula; the mean score difference A - B in squares with its 95 %
// interval; mean and largest time per move of each seat; the forfeits.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "match/game_record.h"

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
  int game = 0;
  char seat = 'A';
  int player = 1;
  std::string reason;
};

struct MatchSummary {
  std::string seat_a;
  std::string seat_b;
  std::vector<uint64_t> master_seeds;  // distinct, increasing
  int games = 0;
  int wins = 0;  // of A
  int draws = 0;
  int losses = 0;
  Interval score_rate;  // of A
  Interval elo;         // A - B
  Interval score_diff;  // A - B, squares per game
  SeatTimes time_a;
  SeatTimes time_b;
  std::vector<Forfeit> forfeits;
};

// -400 log10(1/s - 1); minus or plus infinity at 0 and 1.
double elo_difference(double score_rate);

// The mean with mean -/+ 1.96 s / sqrt(n), s the sample standard deviation.
Interval mean_interval(std::span<const double> values);

// Summarises the records of one match (any order, any shards). False with a
// message when they mix seats or a game appears twice.
bool summarize(std::vector<GameRecord> records, MatchSummary& summary, std::string& error);

// The summary for people, a few labelled lines.
std::string summary_text(const MatchSummary& s);
// The summary as a CSV header line and one row, for spreadsheets and scripts.
std::string summary_csv_header();
std::string summary_csv_row(const MatchSummary& s);

}  // namespace trevosk
