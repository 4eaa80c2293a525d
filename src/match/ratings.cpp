#include "match/ratings.h"

#include <cmath>

namespace trevosk {

namespace {

constexpr double kZ95 = 1.96;
// The slope of the logistic at Elo scale: d/dr of log(10^(r/400)).
const double kC = std::log(10.0) / 400;

struct Games {
  int n;
  std::vector<double> games;   // n x n, games between i and j
  std::vector<double> points;  // n x n, i's points against j
  double& g(int i, int j) { return games[i * n + j]; }
  double& p(int i, int j) { return points[i * n + j]; }
};

// Whether following "scored against" from every seat reaches every other
// seat, and back: then and only then the maximum is finite.
bool strongly_connected(Games& t) {
  for (const bool forward : {true, false}) {
    std::vector<bool> seen(t.n, false);
    std::vector<int> stack = {0};
    seen[0] = true;
    while (!stack.empty()) {
      const int i = stack.back();
      stack.pop_back();
      for (int j = 0; j < t.n; ++j)
        if (!seen[j] && (forward ? t.p(i, j) : t.p(j, i)) > 0) {
          seen[j] = true;
          stack.push_back(j);
        }
    }
    for (const bool s : seen)
      if (!s) return false;
  }
  return true;
}

// The inverse of the symmetric positive definite k x k matrix m, by
// Gauss-Jordan elimination.
std::vector<double> inverse(std::vector<double> m, int k) {
  std::vector<double> inv(k * k, 0);
  for (int i = 0; i < k; ++i) inv[i * k + i] = 1;
  for (int col = 0; col < k; ++col) {
    const double pivot = m[col * k + col];
    for (int j = 0; j < k; ++j) m[col * k + j] /= pivot, inv[col * k + j] /= pivot;
    for (int row = 0; row < k; ++row) {
      if (row == col) continue;
      const double f = m[row * k + col];
      for (int j = 0; j < k; ++j)
        m[row * k + j] -= f * m[col * k + j], inv[row * k + j] -= f * inv[col * k + j];
    }
  }
  return inv;
}

}  // namespace

RatingFit fit_ratings(int seats, std::span<const PairingScore> pairings, RatingAnchor anchor) {
  RatingFit fit;
  Games t{seats, std::vector<double>(seats * seats, 0), std::vector<double>(seats * seats, 0)};
  for (const PairingScore& s : pairings) {
    t.g(s.a, s.b) += s.games, t.g(s.b, s.a) += s.games;
    t.p(s.a, s.b) += s.points_a, t.p(s.b, s.a) += s.games - s.points_a;
  }
  // The pairings that played must connect every seat.
  Games played = t;
  played.points = played.games;
  if (!strongly_connected(played)) return fit;
  if (!strongly_connected(t)) {
    fit.draw_added = true;
    for (int i = 0; i < seats; ++i)
      for (int j = 0; j < seats; ++j)
        if (i != j && t.g(i, j) > 0) t.g(i, j) += 1, t.p(i, j) += 0.5;
  }

  // Hunter's iteration on the strengths gamma_i = 10^(r_i / 400):
  // gamma_i <- (i's points) / sum_j games_ij / (gamma_i + gamma_j).
  std::vector<double> gamma(seats, 1.0);
  for (int iter = 0; iter < 100000; ++iter) {
    double change = 0;
    for (int i = 0; i < seats; ++i) {
      double won = 0, denominator = 0;
      for (int j = 0; j < seats; ++j) {
        won += t.p(i, j);
        if (t.g(i, j) > 0) denominator += t.g(i, j) / (gamma[i] + gamma[j]);
      }
      const double next = won / denominator;
      change = std::max(change, std::abs(std::log(next / gamma[i])));
      gamma[i] = next;
    }
    for (int i = seats - 1; i >= 0; --i) gamma[i] /= gamma[0];
    if (change < 1e-13) break;
  }
  std::vector<double> r(seats);
  for (int i = 0; i < seats; ++i) r[i] = std::log(gamma[i]) / kC;

  // The observed information of r_1 .. r_{n-1} with r_0 fixed at 0, and its
  // inverse: the covariance of the ratings anchored at the first seat.
  const int k = seats - 1;
  std::vector<double> info(k * k, 0);
  for (int i = 1; i < seats; ++i)
    for (int j = 0; j < seats; ++j) {
      if (i == j || t.g(i, j) == 0) continue;
      const double p = 1 / (1 + std::pow(10.0, (r[j] - r[i]) / 400));
      const double w = kC * kC * t.g(i, j) * p * (1 - p);
      info[(i - 1) * k + (i - 1)] += w;
      if (j > 0) info[(i - 1) * k + (j - 1)] -= w;
    }
  const std::vector<double> reduced = k > 0 ? inverse(info, k) : std::vector<double>{};
  std::vector<double> cov(seats * seats, 0);
  for (int i = 1; i < seats; ++i)
    for (int j = 1; j < seats; ++j) cov[i * seats + j] = reduced[(i - 1) * k + (j - 1)];

  if (anchor == RatingAnchor::Mean) {
    // r - mean(r): the covariance becomes T C T with T = I - 11'/n.
    double mean = 0;
    for (const double v : r) mean += v / seats;
    for (double& v : r) v -= mean;
    std::vector<double> row_mean(seats, 0);
    double all_mean = 0;
    for (int i = 0; i < seats; ++i)
      for (int j = 0; j < seats; ++j) row_mean[i] += cov[i * seats + j] / seats;
    for (const double m : row_mean) all_mean += m / seats;
    std::vector<double> centred(seats * seats);
    for (int i = 0; i < seats; ++i)
      for (int j = 0; j < seats; ++j)
        centred[i * seats + j] = cov[i * seats + j] - row_mean[i] - row_mean[j] + all_mean;
    cov = centred;
  }
  for (int i = 0; i < seats; ++i) {
    const double half = kZ95 * std::sqrt(std::max(0.0, cov[i * seats + i]));
    fit.ratings.push_back({r[i], r[i] - half, r[i] + half});
  }
  return fit;
}

}  // namespace trevosk
