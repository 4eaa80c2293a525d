#include "match/engine_seat.h"

#include <algorithm>
#include <cstdio>

#include "game/notation.h"

namespace trevosk {

namespace {

std::string trim(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t\n");
  if (b == std::string::npos) return "";
  return s.substr(b, s.find_last_not_of(" \t\n") - b + 1);
}

// Seconds to the millisecond, without trailing zeros.
std::string seconds_text(double s) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3f", s);
  std::string t = buf;
  t.erase(t.find_last_not_of('0') + 1);
  if (t.back() == '.') t.pop_back();
  return t;
}

}  // namespace

void EngineSeat::fail(std::string why) {
  if (failure_.empty()) failure_ = std::move(why);
  process_.stop();
}

double EngineSeat::setup_time() const {
  return move_time_ > 0 || clock_.on() ? std::max(move_time_, kSetupSeconds) : 0;
}

bool EngineSeat::command(const std::string& line) {
  if (failed()) return false;
  const EngineProcess::Reply r = process_.ask(line, setup_time(), cancel_);
  if (r.status == EngineProcess::Reply::Status::Success) return true;
  if (r.status == EngineProcess::Reply::Status::Failure)
    fail("refused `" + line + "': " + printable(r.text));
  else
    fail(r.text + " on `" + line + "'");
  return false;
}

bool EngineSeat::optional_command(const std::string& line) {
  if (failed()) return false;
  const EngineProcess::Reply r = process_.ask(line, setup_time(), cancel_);
  if (r.status != EngineProcess::Reply::Status::Broken) return true;
  fail(r.text + " on `" + line.substr(0, line.find(' ')) + "'");
  return false;
}

bool EngineSeat::new_game(const Game& game, uint64_t seed) {
  failure_.clear();
  own_move_ = false;
  std::string error;
  if (!process_.start(error)) {
    fail(error);
    return false;
  }
  if (!command("clear_board")) return false;
  if (settings_) {
    const ComputerConfig& c = *settings_;
    const std::string level = std::to_string(c.level);
    if (!command("set_level 1 " + level) || !command("set_level 2 " + level) ||
        !command(std::string("set_random_assist ") + (c.random_assist ? "on" : "off")) ||
        !command(std::string("set_opening ") + (c.use_joseki ? "on" : "off")) ||
        !command("set_width " + std::to_string(c.think_width)))
      return false;
  }
  if (!optional_command("set_seed " + std::to_string(seed))) return false;
  if (clock_.on() && !optional_command("time_settings " + seconds_text(clock_.base) + " " +
                                       seconds_text(clock_.increment)))
    return false;
  for (const HalfMove& h : game.history())
    if (!command("play " + std::to_string(h.player) + " " + move_text(h.move))) return false;
  return true;
}

void EngineSeat::tell_time_left(int player, double seconds) {
  time_left_ = seconds;
  optional_command("time_left " + std::to_string(player) + " " + seconds_text(seconds));
}

Move EngineSeat::choose(const Game& game) {
  if (failed()) return Move::none();
  const std::string line = "genmove " + std::to_string(game.to_move());
  double limit = move_time_;
  if (time_left_ > 0 && (limit <= 0 || time_left_ < limit)) limit = time_left_;
  time_left_ = 0;
  const EngineProcess::Reply r = process_.ask(line, limit, cancel_);
  if (r.status == EngineProcess::Reply::Status::Broken) {
    fail(r.text);
    return Move::none();
  }
  if (r.status == EngineProcess::Reply::Status::Failure) {
    fail("answered `? " + printable(r.text) + "' to genmove");
    return Move::none();
  }
  const std::string text = trim(r.text);
  const Move m = parse_move(text);
  if (m.is_none()) {
    fail("malformed move `" + printable(text) + "'");
    return Move::none();
  }
  if (!game.is_legal(m)) {
    fail("illegal move " + move_text(m));
    return Move::none();
  }
  own_move_ = true;
  return m;
}

void EngineSeat::notify(const Game&, const GameEvent& e) {
  if (e.kind != GameEvent::Kind::Placed && e.kind != GameEvent::Kind::Passed &&
      e.kind != GameEvent::Kind::Blocked)
    return;
  if (own_move_) {
    own_move_ = false;
    return;
  }
  command("play " + std::to_string(e.player) + " " +
          move_text(e.kind == GameEvent::Kind::Placed ? e.move : Move::pass()));
}

}  // namespace trevosk
