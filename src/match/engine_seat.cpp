#include "match/engine_seat.h"

#include <algorithm>

#include "game/notation.h"

namespace trevosk {

namespace {

std::string trim(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t\n");
  if (b == std::string::npos) return "";
  return s.substr(b, s.find_last_not_of(" \t\n") - b + 1);
}

}  // namespace

void EngineSeat::fail(std::string why) {
  if (failure_.empty()) failure_ = std::move(why);
  process_.stop();
}

double EngineSeat::setup_time() const {
  return move_time_ > 0 ? std::max(move_time_, kSetupSeconds) : 0;
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
  // Not every program has set_seed: a refusal is fine, a broken program not.
  const EngineProcess::Reply r =
      process_.ask("set_seed " + std::to_string(seed), setup_time(), cancel_);
  if (r.status == EngineProcess::Reply::Status::Broken) {
    fail(r.text + " on `set_seed'");
    return false;
  }
  for (const HalfMove& h : game.history())
    if (!command("play " + std::to_string(h.player) + " " + move_text(h.move))) return false;
  return true;
}

Move EngineSeat::choose(const Game& game) {
  if (failed()) return Move::none();
  const std::string line = "genmove " + std::to_string(game.to_move());
  const EngineProcess::Reply r = process_.ask(line, move_time_, cancel_);
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
