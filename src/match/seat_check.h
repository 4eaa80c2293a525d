// The check of a match's outside programs before its first game: each is
// started once and must answer protocol_version within kCheckSeconds, so
// that a program that cannot run ends the match at once instead of
// forfeiting every game.
#pragma once

#include <span>
#include <string>

#include "match/match_seat.h"

namespace trevosk {

inline constexpr double kCheckSeconds = 10;

// False with a message naming the first seat that failed.
bool check_outside_seats(std::span<const MatchSeat> seats, std::string& error);

}  // namespace trevosk
