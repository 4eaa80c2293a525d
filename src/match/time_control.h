// TimeControl: a chess-style clock per game and player, BASE seconds plus
// INC seconds after each of the player's moves, and the rule by which a
// search level spends it.
#pragma once

#include <string>
#include <string_view>

namespace trevosk {

struct TimeControl {
  double base = 0;       // seconds on each clock when a game starts; 0: no clock
  double increment = 0;  // seconds added to a clock after each move of its player
  bool on() const { return base > 0; }
};

// Reads a plain decimal of seconds (digits with at most one point), 0 to a
// million.
bool parse_seconds(std::string_view text, double& seconds);

// Reads "BASE+INC" or "BASE" (decimal seconds, BASE > 0, INC >= 0).
bool parse_time_control(std::string_view text, TimeControl& tc);
// "BASE+INC", each in the shortest decimal that reads back.
std::string time_control_text(const TimeControl& tc);

// The seconds a search may take for its next move, with `time_left` on its
// clock after `placed` placements of its own: an even share of the time
// left over the placements it may still make (at least kMinMovesLeft), plus
// three quarters of the increment, never more than the time left less a
// safety margin, and never less than kMinBudget.
double move_budget(double time_left, double increment, int placed);

inline constexpr int kExpectedPlacements = 18;
inline constexpr int kMinMovesLeft = 4;
inline constexpr double kMinBudget = 0.001;

}  // namespace trevosk
