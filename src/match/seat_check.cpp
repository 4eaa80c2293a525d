#include "match/seat_check.h"

#include "match/engine_process.h"

namespace trevosk {

bool check_outside_seats(std::span<const MatchSeat> seats, std::string& error) {
  for (const MatchSeat& seat : seats) {
    if (!seat.outside) continue;
    EngineProcess process(seat.command);
    std::string why;
    if (!process.start(why)) return (error = "seat `" + seat.text + "': " + why), false;
    const EngineProcess::Reply r = process.ask("protocol_version", kCheckSeconds);
    if (r.status == EngineProcess::Reply::Status::Broken)
      return (error = "seat `" + seat.text + "': " + r.text + " on `protocol_version'"), false;
    process.quit();
  }
  return true;
}

}  // namespace trevosk
