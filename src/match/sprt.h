// The sequential probability ratio test of a match, on pairs of games.
//
// A pair (the same opening, seats swapped) scores 0, 1/2, 1, 3/2 or 2 points
// for seat A: the pentanomial model. H0 says the Elo difference A - B is
// elo0, H1 that it is elo1, in logistic Elo (an expected score per game of
// 1 / (1 + 10^(-elo/400))). The log-likelihood ratio is that of the
// generalised SPRT: for each hypothesis the pair-score distribution of
// greatest likelihood among those whose mean per-game score is the
// hypothesis's, and LLR = sum over the five scores of count * log(p1 / p0).
// The test accepts H1 once LLR >= log((1 - beta) / alpha), H0 once
// LLR <= log(beta / (1 - alpha)).
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace trevosk {

struct SprtSettings {
  double elo0 = 0;
  double elo1 = 0;
  double alpha = 0.05;  // the chance of accepting H1 when H0 holds
  double beta = 0.05;   // the chance of accepting H0 when H1 holds
  double lower() const;
  double upper() const;
};

// Reads "elo0=E0,elo1=E1[,alpha=A][,beta=B]"; false with a message.
bool parse_sprt(std::string_view text, SprtSettings& sprt, std::string& error);
// The settings in the form parse_sprt reads, every key given.
std::string sprt_text(const SprtSettings& sprt);

// Pairs that scored 0, 1/2, 1, 3/2 and 2 points for seat A.
using PairCounts = std::array<long, 5>;

// The expected per-game score of a logistic Elo difference.
double logistic_score(double elo);

// The log-likelihood ratio of H1 (mean per-game score s1) against H0 (s0)
// for pair-score counts that may be fractional. Scores with a count of 0
// carry no mass in either distribution, so the scores counted must lie on
// both sides of s0 and of s1.
double pentanomial_llr(const std::array<double, 5>& counts, double s0, double s1);

// The test's LLR for the pairs played: pentanomial_llr of the counts, each
// count of 0 taken as 0.001 so that the ratio is finite from the first pair.
double sprt_llr(const PairCounts& pairs, const SprtSettings& sprt);

enum class SprtVerdict : uint8_t { Continue, H0, H1 };
SprtVerdict sprt_verdict(double llr, const SprtSettings& sprt);

}  // namespace trevosk
