#include "match/sprt.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace trevosk {

namespace {

bool parse_real(std::string_view s, double& v) {
  if (s.empty() || s.find_first_not_of("-0123456789.") != std::string_view::npos) return false;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v);
  return error == std::errc() && end == s.data() + s.size() && std::abs(v) < 1e4;
}

// The maximum-likelihood distribution with mean s over the scores a_i,
// given the observed frequencies f_i, is f_i / (1 + lambda (a_i - s)),
// lambda the root of sum f_i (a_i - s) / (1 + lambda (a_i - s)) = 0. The sum
// falls strictly in lambda over the range where every denominator of a
// counted score stays positive, from plus to minus infinity, so halving
// that range finds the root.
std::array<double, 5> constrained_mle(const std::array<double, 5>& f, double s) {
  // Finite at the end: the caller counted scores on both sides of s.
  double lo = -HUGE_VAL, hi = HUGE_VAL;
  for (int i = 0; i < 5; ++i) {
    const double d = i / 4.0 - s;
    if (f[i] <= 0 || d == 0) continue;
    if (d > 0) lo = std::max(lo, -1 / d);
    if (d < 0) hi = std::min(hi, -1 / d);
  }
  for (int iter = 0; iter < 200; ++iter) {
    const double lambda = (lo + hi) / 2;
    double sum = 0;
    for (int i = 0; i < 5; ++i) {
      const double d = i / 4.0 - s;
      if (f[i] > 0) sum += f[i] * d / (1 + lambda * d);
    }
    (sum > 0 ? lo : hi) = lambda;
  }
  const double lambda = (lo + hi) / 2;
  std::array<double, 5> p{};
  for (int i = 0; i < 5; ++i) p[i] = f[i] > 0 ? f[i] / (1 + lambda * (i / 4.0 - s)) : 0;
  return p;
}

}  // namespace

double SprtSettings::lower() const { return std::log(beta / (1 - alpha)); }
double SprtSettings::upper() const { return std::log((1 - beta) / alpha); }

bool parse_sprt(std::string_view text, SprtSettings& sprt, std::string& error) {
  SprtSettings s;
  bool has0 = false, has1 = false;
  while (!text.empty()) {
    const size_t comma = std::min(text.find(','), text.size());
    const std::string_view part = text.substr(0, comma);
    text.remove_prefix(std::min(comma + 1, text.size()));
    const size_t eq = part.find('=');
    const std::string_view key = part.substr(0, eq);
    double v = 0;
    if (eq == std::string_view::npos || !parse_real(part.substr(eq + 1), v))
      return (error = "`" + std::string(part) + "' is not KEY=NUMBER"), false;
    if (key == "elo0") {
      s.elo0 = v, has0 = true;
    } else if (key == "elo1") {
      s.elo1 = v, has1 = true;
    } else if (key == "alpha") {
      s.alpha = v;
    } else if (key == "beta") {
      s.beta = v;
    } else {
      return (error = "unknown key `" + std::string(key) + "' (elo0, elo1, alpha, beta)"), false;
    }
  }
  if (!has0 || !has1) return (error = "elo0 and elo1 are needed"), false;
  if (!(s.elo0 < s.elo1)) return (error = "elo0 must be less than elo1"), false;
  if (!(s.alpha > 0 && s.beta > 0 && s.alpha + s.beta < 1))
    return (error = "alpha and beta must be above 0, their sum below 1"), false;
  sprt = s;
  return true;
}

std::string sprt_text(const SprtSettings& s) {
  char buf[128];
  std::snprintf(buf, sizeof buf, "elo0=%g,elo1=%g,alpha=%g,beta=%g", s.elo0, s.elo1, s.alpha,
                s.beta);
  return buf;
}

double logistic_score(double elo) { return 1 / (1 + std::pow(10.0, -elo / 400)); }

double pentanomial_llr(const std::array<double, 5>& counts, double s0, double s1) {
  for (const double s : {s0, s1}) {
    bool below = false, above = false;
    for (int i = 0; i < 5; ++i) {
      below |= counts[i] > 0 && i / 4.0 < s;
      above |= counts[i] > 0 && i / 4.0 > s;
    }
    if (!below || !above) return std::nan("");
  }
  double n = 0;
  for (const double c : counts) n += c;
  std::array<double, 5> f{};
  for (int i = 0; i < 5; ++i) f[i] = counts[i] / n;
  const std::array<double, 5> p0 = constrained_mle(f, s0), p1 = constrained_mle(f, s1);
  double llr = 0;
  for (int i = 0; i < 5; ++i)
    if (counts[i] > 0) llr += counts[i] * std::log(p1[i] / p0[i]);
  return llr;
}

double sprt_llr(const PairCounts& pairs, const SprtSettings& sprt) {
  std::array<double, 5> counts{};
  for (int i = 0; i < 5; ++i) counts[i] = pairs[i] > 0 ? static_cast<double>(pairs[i]) : 1e-3;
  return pentanomial_llr(counts, logistic_score(sprt.elo0), logistic_score(sprt.elo1));
}

SprtVerdict sprt_verdict(double llr, const SprtSettings& sprt) {
  if (llr >= sprt.upper()) return SprtVerdict::H1;
  if (llr <= sprt.lower()) return SprtVerdict::H0;
  return SprtVerdict::Continue;
}

}  // namespace trevosk
