#include "match/match_summary.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <tuple>

namespace trevosk {

namespace {

constexpr double kZ95 = 1.96;

std::string fmt(const char* format, double v) {
  if (std::isnan(v)) return "n/a";
  if (std::isinf(v)) return v > 0 ? "inf" : "-inf";
  char buf[64];
  std::snprintf(buf, sizeof buf, format, v + 0.0);  // + 0.0: no "-0.0"
  return buf;
}

std::string interval_text(const char* format, const Interval& i) {
  return fmt(format, i.value) + "  (95% " + fmt(format, i.low) + " .. " + fmt(format, i.high) + ")";
}

std::string csv_field(const std::string& s) {
  if (s.find_first_of(",\"\n") == std::string::npos) return s;
  std::string out = "\"";
  for (const char c : s) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

}  // namespace

double elo_difference(double s) {
  if (s <= 0) return -std::numeric_limits<double>::infinity();
  if (s >= 1) return std::numeric_limits<double>::infinity();
  return -400.0 * std::log10(1.0 / s - 1.0);
}

Interval mean_interval(std::span<const double> values) {
  const double n = static_cast<double>(values.size());
  Interval r;
  if (values.empty()) return {std::nan(""), std::nan(""), std::nan("")};
  double sum = 0;
  for (const double v : values) sum += v;
  r.value = sum / n;
  if (values.size() < 2) {
    r.low = r.high = std::nan("");
    return r;
  }
  double squares = 0;
  for (const double v : values) squares += (v - r.value) * (v - r.value);
  const double half = kZ95 * std::sqrt(squares / (n - 1) / n);
  r.low = r.value - half;
  r.high = r.value + half;
  return r;
}

bool summarize(std::vector<GameRecord> records, MatchSummary& s, std::string& error) {
  s = MatchSummary{};
  if (records.empty()) return (error = "no games"), false;
  // A fixed order, so that the sums do not depend on how the games were split.
  std::sort(records.begin(), records.end(), [](const GameRecord& a, const GameRecord& b) {
    return std::tie(a.master_seed, a.game) < std::tie(b.master_seed, b.game);
  });
  s.seat_a = records[0].seat_a;
  s.seat_b = records[0].seat_b;
  std::vector<double> points, diffs;
  std::array<double, 2> time_sum{0, 0};
  for (size_t k = 0; k < records.size(); ++k) {
    const GameRecord& r = records[k];
    if (r.seat_a != s.seat_a || r.seat_b != s.seat_b)
      return (error = "records of different matches: " + r.seat_a + " vs " + r.seat_b), false;
    if (k && r.master_seed == records[k - 1].master_seed && r.game == records[k - 1].game)
      return (error = "game " + std::to_string(r.game) + " appears twice"), false;
    if (s.master_seeds.empty() || s.master_seeds.back() != r.master_seed)
      s.master_seeds.push_back(r.master_seed);
    const double p = r.points_a();
    points.push_back(p);
    (p == 1 ? s.wins : p == 0 ? s.losses : s.draws)++;
    diffs.push_back(r.score_a() - r.score_b());
    for (size_t j = 0; j < r.ms.size(); ++j) {
      if (!r.ms[j]) continue;
      const int player = j % 2 == 0 ? 1 : 2;
      SeatTimes& t = player == r.player_of_a() ? s.time_a : s.time_b;
      time_sum[&t == &s.time_a ? 0 : 1] += *r.ms[j];
      t.max_ms = std::max(t.max_ms, *r.ms[j]);
      ++t.moves;
    }
    if (r.forfeit_player)
      s.forfeits.push_back(
          {r.game, r.forfeit_player == r.player_of_a() ? 'A' : 'B', r.forfeit_player, r.reason});
  }
  s.games = static_cast<int>(records.size());
  s.score_rate = mean_interval(points);
  s.score_rate.low = std::max(0.0, s.score_rate.low);
  s.score_rate.high = std::min(1.0, s.score_rate.high);
  s.elo = {elo_difference(s.score_rate.value), elo_difference(s.score_rate.low),
           elo_difference(s.score_rate.high)};
  s.score_diff = mean_interval(diffs);
  if (s.time_a.moves) s.time_a.mean_ms = time_sum[0] / static_cast<double>(s.time_a.moves);
  if (s.time_b.moves) s.time_b.mean_ms = time_sum[1] / static_cast<double>(s.time_b.moves);
  return true;
}

std::string summary_text(const MatchSummary& s) {
  std::string seeds;
  for (const uint64_t m : s.master_seeds) seeds += (seeds.empty() ? "" : ", ") + std::to_string(m);
  auto times = [](const SeatTimes& t) {
    return "mean " + fmt("%.2f", t.mean_ms) + " ms, max " + fmt("%.2f", t.max_ms) + " ms over " +
           std::to_string(t.moves) + " moves";
  };
  std::string out;
  out += "seat A:          " + s.seat_a + "\n";
  out += "seat B:          " + s.seat_b + "\n";
  out += "master seed:     " + seeds + "\n";
  out += "games:           " + std::to_string(s.games) + "\n";
  out += "A wins:          " + std::to_string(s.wins) + "\n";
  out += "draws:           " + std::to_string(s.draws) + "\n";
  out += "A losses:        " + std::to_string(s.losses) + "\n";
  out += "A score rate:    " + interval_text("%.4f", s.score_rate) + "\n";
  out += "Elo A - B:       " + interval_text("%+.1f", s.elo) + "\n";
  out += "score A - B:     " + interval_text("%+.2f", s.score_diff) + " squares per game\n";
  out += "time per move A: " + times(s.time_a) + "\n";
  out += "time per move B: " + times(s.time_b) + "\n";
  out += "forfeits:        " + std::to_string(s.forfeits.size()) + "\n";
  for (const Forfeit& f : s.forfeits)
    out += "  game " + std::to_string(f.game) + ", seat " + f.seat + " (player " +
           std::to_string(f.player) + "): " + f.reason + "\n";
  return out;
}

std::string summary_csv_header() {
  return "seat_a,seat_b,games,wins_a,draws,losses_a,score_rate,score_rate_low,score_rate_high,"
         "elo,elo_low,elo_high,score_diff,score_diff_low,score_diff_high,ms_mean_a,ms_max_a,"
         "moves_a,ms_mean_b,ms_max_b,moves_b,forfeits_a,forfeits_b\n";
}

std::string summary_csv_row(const MatchSummary& s) {
  int forfeits[2] = {0, 0};
  for (const Forfeit& f : s.forfeits) ++forfeits[f.seat == 'A' ? 0 : 1];
  std::vector<std::string> fields = {csv_field(s.seat_a),     csv_field(s.seat_b),
                                     std::to_string(s.games), std::to_string(s.wins),
                                     std::to_string(s.draws), std::to_string(s.losses)};
  for (const Interval* i : {&s.score_rate, &s.elo, &s.score_diff})
    for (const double v : {i->value, i->low, i->high}) fields.push_back(fmt("%.4f", v));
  for (const SeatTimes* t : {&s.time_a, &s.time_b}) {
    fields.push_back(fmt("%.3f", t->mean_ms));
    fields.push_back(fmt("%.3f", t->max_ms));
    fields.push_back(std::to_string(t->moves));
  }
  fields.push_back(std::to_string(forfeits[0]));
  fields.push_back(std::to_string(forfeits[1]));
  std::string row;
  for (const std::string& f : fields) {
    if (!row.empty()) row += ',';
    row += f;
  }
  return row + '\n';
}

}  // namespace trevosk
