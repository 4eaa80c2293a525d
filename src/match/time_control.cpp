#include "match/time_control.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace trevosk {

namespace {

std::string shortest(double v) {
  char buf[32];
  const auto [end, error] = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, end);
}

}  // namespace

bool parse_seconds(std::string_view s, double& v) {
  if (s.empty() || s.find_first_not_of("0123456789.") != std::string_view::npos) return false;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v);
  return error == std::errc() && end == s.data() + s.size() && v <= 1e6;
}

bool parse_time_control(std::string_view text, TimeControl& tc) {
  const size_t plus = text.find('+');
  TimeControl t;
  if (!parse_seconds(text.substr(0, plus), t.base) || !(t.base > 0)) return false;
  if (plus != std::string_view::npos && !parse_seconds(text.substr(plus + 1), t.increment))
    return false;
  tc = t;
  return true;
}

std::string time_control_text(const TimeControl& tc) {
  return shortest(tc.base) + "+" + shortest(tc.increment);
}

double move_budget(double time_left, double increment, int placed) {
  const int moves_left = std::max(kExpectedPlacements - placed, kMinMovesLeft);
  const double share = time_left / moves_left + 0.75 * increment;
  // The margin covers what the clock sees beyond the search itself.
  const double margin = 0.05 + 0.05 * time_left;
  return std::max(kMinBudget, std::min(share, time_left - margin));
}

}  // namespace trevosk
