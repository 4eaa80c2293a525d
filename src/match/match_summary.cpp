#include "match/match_summary.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <tuple>

namespace trevosk {

namespace {

constexpr double kZ95 = 1.96;
const double kNan = std::numeric_limits<double>::quiet_NaN();

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

std::string csv_row(const std::vector<std::string>& fields) {
  std::string row;
  for (const std::string& f : fields) row += (row.empty() ? "" : ",") + f;
  return row + '\n';
}

// A rate's interval clipped to [0, 1], and the Elo of its three values.
Interval clipped(Interval i) {
  i.low = std::max(0.0, i.low);
  i.high = std::min(1.0, i.high);
  return i;
}
Interval elo_of(const Interval& rate) {
  return {elo_difference(rate.value), elo_difference(rate.low), elo_difference(rate.high)};
}

const char* verdict_text(SprtVerdict v) {
  return v == SprtVerdict::H1   ? "H1 accepted"
         : v == SprtVerdict::H0 ? "H0 accepted"
                                : "inconclusive";
}

}  // namespace

double elo_difference(double s) {
  if (s <= 0) return -std::numeric_limits<double>::infinity();
  if (s >= 1) return std::numeric_limits<double>::infinity();
  return -400.0 * std::log10(1.0 / s - 1.0);
}

Interval mean_interval(double n, double sum, double squares) {
  if (n < 1) return {kNan, kNan, kNan};
  Interval r{sum / n, kNan, kNan};
  if (n < 2) return r;
  const double variance = std::max(0.0, (squares - sum * sum / n) / (n - 1));
  const double half = kZ95 * std::sqrt(variance / n);
  r.low = r.value - half;
  r.high = r.value + half;
  return r;
}

double likelihood_of_superiority(double s, double se) {
  if (std::isnan(s) || std::isnan(se)) return kNan;
  if (se == 0) return s > 0.5 ? 1 : s < 0.5 ? 0 : 0.5;
  return 0.5 * std::erfc(-(s - 0.5) / (se * std::sqrt(2.0)));
}

bool MatchTally::add(const GameRecord& r, std::string& error) {
  if (games_ == 0) {
    seats_ = r.seats;
    if (!parse_tournament(r.tournament, tournament_))
      return (error = "unknown tournament `" + r.tournament + "'"), false;
    if (seats_.size() < 2 || (tournament_ == Tournament::None && seats_.size() != 2))
      return (error = "a record of " + std::to_string(seats_.size()) + " seats"), false;
    pairings_ = tournament_pairings(tournament_, static_cast<int>(seats_.size()));
    tallies_.assign(pairings_.size(), PairingTally{});
    sprt_text_ = r.sprt;
    if (!r.sprt.empty()) {
      SprtSettings s;
      if (!parse_sprt(r.sprt, s, error)) return (error = "sprt: " + error), false;
      sprt_ = s;
    }
  }
  const std::string label = "game " + std::to_string(r.game) + ": ";
  if (r.seats != seats_ || r.tournament != tournament_name(tournament_) || r.sprt != sprt_text_)
    return (error = label + "a record of another match (" + r.seat_a + " vs " + r.seat_b + ")"),
           false;
  if (r.pairing < 0 || r.pairing >= static_cast<int>(pairings_.size()) ||
      seats_[pairings_[r.pairing].first] != r.seat_a ||
      seats_[pairings_[r.pairing].second] != r.seat_b)
    return (error = label + "pairing " + std::to_string(r.pairing) + " does not match its seats"),
           false;
  ++games_;
  master_seeds_.insert(r.master_seed);
  PairingTally& t = tallies_[r.pairing];
  const double points = r.points_a();
  (points == 1 ? t.wins : points == 0 ? t.losses : t.draws)++;
  const long long diff = r.score_a() - r.score_b();
  t.diff_sum += diff;
  t.diff_squares += diff * diff;
  for (size_t j = 0; j < r.ms.size(); ++j) {
    if (!r.ms[j]) continue;
    const int player = j % 2 == 0 ? 1 : 2;
    const int side = player == r.player_of_a() ? 0 : 1;
    t.time_us[side] += std::llround(*r.ms[j] * 1000);
    t.max_ms[side] = std::max(t.max_ms[side], *r.ms[j]);
    ++t.moves[side];
  }
  const int half_points = static_cast<int>(points * 2);
  const auto key = std::make_pair(r.master_seed, r.pair());
  if (!count_pairs_) {
  } else if (const auto mate = t.waiting.find(key); mate != t.waiting.end()) {
    ++t.pairs[mate->second + half_points];
    t.waiting.erase(mate);
  } else {
    t.waiting.emplace(key, half_points);
  }
  if (r.forfeit_player) {
    const bool by_a = r.forfeit_player == r.player_of_a();
    ++t.forfeits[by_a ? 0 : 1];
    ++forfeit_count_;
    Forfeit f{r.master_seed,    r.game,           by_a ? r.seat_a : r.seat_b,
              by_a ? 'A' : 'B', r.forfeit_player, r.reason};
    auto order = [](const Forfeit& x, const Forfeit& y) {
      return std::tie(x.master_seed, x.game) < std::tie(y.master_seed, y.game);
    };
    forfeits_.insert(std::upper_bound(forfeits_.begin(), forfeits_.end(), f, order), f);
    if (forfeits_.size() > kListedForfeits) forfeits_.pop_back();
  }
  return true;
}

MatchSummary summarize_pairing(const MatchTally& tally, int pairing) {
  const PairingTally& t = tally.pairing(pairing);
  MatchSummary s;
  s.seat_a = tally.seats()[tally.pairings()[pairing].first];
  s.seat_b = tally.seats()[tally.pairings()[pairing].second];
  s.games = t.games();
  s.wins = t.wins;
  s.draws = t.draws;
  s.losses = t.losses;
  // Per game: points x in {0, 1/2, 1}, so sum x^2 = wins + draws / 4.
  s.score_rate = clipped(mean_interval(s.games, t.points(), t.wins + t.draws / 4.0));
  s.elo = elo_of(s.score_rate);
  s.score_diff =
      mean_interval(s.games, static_cast<double>(t.diff_sum), static_cast<double>(t.diff_squares));
  SeatTimes* times[] = {&s.time_a, &s.time_b};
  for (int side = 0; side < 2; ++side) {
    times[side]->moves = t.moves[side];
    times[side]->max_ms = t.max_ms[side];
    if (t.moves[side]) times[side]->mean_ms = t.time_us[side] / 1000.0 / t.moves[side];
  }
  s.forfeits = t.forfeits;

  // Per pair: the pair's mean per-game score a_i = i / 4 for the pair
  // scores i / 2, i = 0 .. 4.
  s.pairs = t.pairs;
  double sum = 0, squares = 0;
  for (int i = 0; i < 5; ++i) {
    s.pair_count += t.pairs[i];
    sum += t.pairs[i] * (i / 4.0);
    squares += t.pairs[i] * (i / 4.0) * (i / 4.0);
  }
  s.unpaired_games = static_cast<int>(t.waiting.size());
  const Interval rate = mean_interval(static_cast<double>(s.pair_count), sum, squares);
  s.pair_score_rate = clipped(rate);
  s.pair_elo = elo_of(s.pair_score_rate);
  s.los = likelihood_of_superiority(rate.value, (rate.high - rate.value) / kZ95);
  s.sprt = tally.sprt();
  if (s.sprt) {
    s.llr = sprt_llr(s.pairs, *s.sprt);
    s.verdict = sprt_verdict(s.llr, *s.sprt);
  }
  return s;
}

RatingFit tournament_ratings(const MatchTally& tally) {
  std::vector<PairingScore> scores;
  for (size_t p = 0; p < tally.pairings().size(); ++p) {
    const PairingTally& t = tally.pairing(static_cast<int>(p));
    if (t.games())
      scores.push_back({tally.pairings()[p].first, tally.pairings()[p].second,
                        static_cast<double>(t.games()), t.points()});
  }
  return fit_ratings(
      static_cast<int>(tally.seats().size()), scores,
      tally.tournament() == Tournament::Gauntlet ? RatingAnchor::FirstSeat : RatingAnchor::Mean);
}

namespace {

std::string seeds_text(const MatchTally& tally) {
  std::string seeds;
  for (const uint64_t m : tally.master_seeds())
    seeds += (seeds.empty() ? "" : ", ") + std::to_string(m);
  return seeds;
}

std::string forfeits_text(const MatchTally& tally, bool by_side) {
  std::string out = "forfeits:        " + std::to_string(tally.forfeit_count()) + "\n";
  for (const Forfeit& f : tally.forfeits())
    out += "  game " + std::to_string(f.game) + ", " +
           (by_side ? std::string("seat ") + f.side : f.seat) + " (player " +
           std::to_string(f.player) + "): " + f.reason + "\n";
  if (tally.forfeit_count() > static_cast<int>(tally.forfeits().size()))
    out += "  and " + std::to_string(tally.forfeit_count() - tally.forfeits().size()) + " more\n";
  return out;
}

std::string match_text(const MatchTally& tally) {
  const MatchSummary s = summarize_pairing(tally, 0);
  auto times = [](const SeatTimes& t) {
    return "mean " + fmt("%.2f", t.mean_ms) + " ms, max " + fmt("%.2f", t.max_ms) + " ms over " +
           std::to_string(t.moves) + " moves";
  };
  std::string out;
  out += "seat A:          " + s.seat_a + "\n";
  out += "seat B:          " + s.seat_b + "\n";
  out += "master seed:     " + seeds_text(tally) + "\n";
  out += "games:           " + std::to_string(s.games) + "\n";
  out += "A wins:          " + std::to_string(s.wins) + "\n";
  out += "draws:           " + std::to_string(s.draws) + "\n";
  out += "A losses:        " + std::to_string(s.losses) + "\n";
  out += "A score rate:    " + interval_text("%.4f", s.score_rate) + "\n";
  out += "Elo A - B:       " + interval_text("%+.1f", s.elo) + "\n";
  out += "score A - B:     " + interval_text("%+.2f", s.score_diff) + " squares per game\n";
  out += "pairs:           " + std::to_string(s.pair_count);
  if (s.unpaired_games) out += " (and " + std::to_string(s.unpaired_games) + " unpaired games)";
  out += "\n";
  out += "A pair scores:   0: " + std::to_string(s.pairs[0]) +
         ", 1/2: " + std::to_string(s.pairs[1]) + ", 1: " + std::to_string(s.pairs[2]) +
         ", 3/2: " + std::to_string(s.pairs[3]) + ", 2: " + std::to_string(s.pairs[4]) + "\n";
  out += "A rate, pairs:   " + interval_text("%.4f", s.pair_score_rate) + "\n";
  out += "Elo A-B, pairs:  " + interval_text("%+.1f", s.pair_elo) + "\n";
  out += "LOS A > B:       " + fmt("%.4f", s.los) + "\n";
  if (s.sprt) {
    out += "SPRT:            elo0 " + fmt("%g", s.sprt->elo0) + ", elo1 " +
           fmt("%g", s.sprt->elo1) + " (logistic Elo), alpha " + fmt("%g", s.sprt->alpha) +
           ", beta " + fmt("%g", s.sprt->beta) + "\n";
    out += "LLR:             " + fmt("%+.3f", s.llr) + "  (bounds " +
           fmt("%+.3f", s.sprt->lower()) + " .. " + fmt("%+.3f", s.sprt->upper()) +
           "): " + verdict_text(s.verdict) + "\n";
  }
  out += "time per move A: " + times(s.time_a) + "\n";
  out += "time per move B: " + times(s.time_b) + "\n";
  return out + forfeits_text(tally, true);
}

// A seat's totals over its pairings.
struct SeatTotals {
  int games = 0, wins = 0, draws = 0, losses = 0;
  double points = 0;
};

std::vector<SeatTotals> seat_totals(const MatchTally& tally) {
  std::vector<SeatTotals> totals(tally.seats().size());
  for (size_t p = 0; p < tally.pairings().size(); ++p) {
    const PairingTally& t = tally.pairing(static_cast<int>(p));
    SeatTotals& a = totals[tally.pairings()[p].first];
    SeatTotals& b = totals[tally.pairings()[p].second];
    a.games += t.games(), b.games += t.games();
    a.wins += t.wins, b.wins += t.losses;
    a.draws += t.draws, b.draws += t.draws;
    a.losses += t.losses, b.losses += t.wins;
    a.points += t.points(), b.points += t.games() - t.points();
  }
  return totals;
}

std::string tournament_text(const MatchTally& tally) {
  const int n = static_cast<int>(tally.seats().size());
  const RatingFit fit = tournament_ratings(tally);
  const std::vector<SeatTotals> totals = seat_totals(tally);
  std::string out;
  out += "tournament:      " + tournament_name(tally.tournament()) + ", " + std::to_string(n) +
         " seats, " + std::to_string(tally.pairings().size()) + " pairings\n";
  out += "master seed:     " + seeds_text(tally) + "\n";
  out += "games:           " + std::to_string(tally.games()) + "\n";
  out += std::string("ratings:         logistic Elo, Bradley-Terry fit of all games, ") +
         (tally.tournament() == Tournament::Gauntlet ? "seat 1" : "their mean") + " at 0\n";
  if (fit.draw_added)
    out +=
        "                 (one draw added to every pairing: some seats won or lost every game)\n";
  // Seats by rating, the seats' numbers in the order given.
  std::vector<int> order(n);
  for (int i = 0; i < n; ++i) order[i] = i;
  if (!fit.ratings.empty())
    std::stable_sort(order.begin(), order.end(),
                     [&](int x, int y) { return fit.ratings[x].elo > fit.ratings[y].elo; });
  out += "  seat  rating (95%)              games  score  W-D-L      seat as given\n";
  for (const int i : order) {
    const Rating r = fit.ratings.empty() ? Rating{kNan, kNan, kNan} : fit.ratings[i];
    const SeatTotals& t = totals[i];
    const std::string wdl =
        std::to_string(t.wins) + "-" + std::to_string(t.draws) + "-" + std::to_string(t.losses);
    char line[200];
    std::snprintf(line, sizeof line, "  %4d  %6s (%6s .. %6s)  %5d  %5s  %-10s ", i + 1,
                  fmt("%+.0f", r.elo).c_str(), fmt("%+.0f", r.low).c_str(),
                  fmt("%+.0f", r.high).c_str(), t.games,
                  fmt("%.3f", t.games ? t.points / t.games : kNan).c_str(), wdl.c_str());
    out += line + tally.seats()[i] + "\n";
  }
  out += "crosstable (points of the row's seat against the column's, of games played):\n";
  out += "      ";
  for (int j = 0; j < n; ++j) {
    char cell[16];
    std::snprintf(cell, sizeof cell, "%12d", j + 1);
    out += cell;
  }
  out += "\n";
  for (int i = 0; i < n; ++i) {
    char head[16];
    std::snprintf(head, sizeof head, "  %4d", i + 1);
    out += head;
    for (int j = 0; j < n; ++j) {
      std::string text = ".";
      for (size_t p = 0; p < tally.pairings().size(); ++p) {
        const auto [a, b] = tally.pairings()[p];
        const PairingTally& t = tally.pairing(static_cast<int>(p));
        if ((a == i && b == j) || (a == j && b == i))
          text = fmt("%g", a == i ? t.points() : t.games() - t.points()) + "/" +
                 std::to_string(t.games());
      }
      char cell[32];
      std::snprintf(cell, sizeof cell, "%12s", text.c_str());
      out += cell;
    }
    out += "\n";
  }
  return out + forfeits_text(tally, false);
}

}  // namespace

std::string summary_text(const MatchTally& tally) {
  return tally.tournament() == Tournament::None ? match_text(tally) : tournament_text(tally);
}

std::string summary_csv(const MatchTally& tally) {
  if (tally.tournament() != Tournament::None) {
    const RatingFit fit = tournament_ratings(tally);
    const std::vector<SeatTotals> totals = seat_totals(tally);
    std::string out =
        "seat_number,seat,rating,rating_low,rating_high,games,points,score_rate,wins,draws,"
        "losses\n";
    for (size_t i = 0; i < totals.size(); ++i) {
      const Rating r = fit.ratings.empty() ? Rating{kNan, kNan, kNan} : fit.ratings[i];
      const SeatTotals& t = totals[i];
      out += csv_row({std::to_string(i + 1), csv_field(tally.seats()[i]), fmt("%.4f", r.elo),
                      fmt("%.4f", r.low), fmt("%.4f", r.high), std::to_string(t.games),
                      fmt("%g", t.points), fmt("%.4f", t.games ? t.points / t.games : kNan),
                      std::to_string(t.wins), std::to_string(t.draws), std::to_string(t.losses)});
    }
    return out;
  }
  const MatchSummary s = summarize_pairing(tally, 0);
  std::string header =
      "seat_a,seat_b,games,wins_a,draws,losses_a,score_rate,score_rate_low,score_rate_high,"
      "elo,elo_low,elo_high,score_diff,score_diff_low,score_diff_high,ms_mean_a,ms_max_a,"
      "moves_a,ms_mean_b,ms_max_b,moves_b,forfeits_a,forfeits_b,pairs,pairs_0,pairs_1,pairs_2,"
      "pairs_3,pairs_4,pair_score_rate,pair_score_rate_low,pair_score_rate_high,pair_elo,"
      "pair_elo_low,pair_elo_high,los,llr,llr_lower,llr_upper,sprt\n";
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
  fields.push_back(std::to_string(s.forfeits[0]));
  fields.push_back(std::to_string(s.forfeits[1]));
  fields.push_back(std::to_string(s.pair_count));
  for (const long c : s.pairs) fields.push_back(std::to_string(c));
  for (const Interval* i : {&s.pair_score_rate, &s.pair_elo})
    for (const double v : {i->value, i->low, i->high}) fields.push_back(fmt("%.4f", v));
  fields.push_back(fmt("%.4f", s.los));
  if (s.sprt) {
    fields.push_back(fmt("%.4f", s.llr));
    fields.push_back(fmt("%.4f", s.sprt->lower()));
    fields.push_back(fmt("%.4f", s.sprt->upper()));
    fields.push_back(s.verdict == SprtVerdict::H1   ? "H1"
                     : s.verdict == SprtVerdict::H0 ? "H0"
                                                    : "inconclusive");
  } else {
    fields.insert(fields.end(), {"", "", "", ""});
  }
  return header + csv_row(fields);
}

}  // namespace trevosk
