#include "engine/engine.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <sstream>

#include "engine/bench_report.h"
#include "game/console_display.h"
#include "game/notation.h"
#include "game/perft.h"
#include "game/search_seat.h"
#include "game/version.h"
#include "players/levels.h"
#include "players/parallel.h"
#include "rules/legal_moves.h"
#include "search/search_options.h"

namespace trevosk {

struct Engine::CommandEntry {
  std::string_view name;
  int min_args;
  int max_args;
  Outcome (Engine::*handler)(Args);
};

namespace {

constexpr int kMaxWidth = 99;
constexpr uint64_t kMaxPlayouts = 1000000000000;
// A game has at most 44 half-moves; no sequence is longer.
constexpr int kMaxDepth = 2 * kLastTurn;

Engine::Outcome ok(std::string text = {}) { return {true, std::move(text)}; }
Engine::Outcome fail(std::string message) { return {false, std::move(message)}; }

// A whole word of decimal digits whose value fits; false for anything else.
bool parse_unsigned(std::string_view word, uint64_t& value) {
  if (word.empty()) return false;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  return error == std::errc() && end == word.data() + word.size();
}

// A whole word of decimal digits with a value from lo to hi.
bool parse_in_range(std::string_view word, int lo, int hi, int& value) {
  uint64_t v = 0;
  if (!parse_unsigned(word, v) || v < static_cast<uint64_t>(lo) || v > static_cast<uint64_t>(hi))
    return false;
  value = static_cast<int>(v);
  return true;
}

bool parse_player(std::string_view word, int& player) { return parse_in_range(word, 1, 2, player); }

bool parse_switch(std::string_view word, bool& on) {
  if (word != "on" && word != "off") return false;
  on = word == "on";
  return true;
}

std::string format_value(double v) {
  char buf[32];
  const auto [end, error] = std::to_chars(buf, buf + sizeof buf, v);
  return error == std::errc() ? std::string(buf, end) : std::string("nan");
}

}  // namespace

const std::vector<Engine::CommandEntry>& Engine::commands() {
  static const std::vector<CommandEntry> table = {
      {"protocol_version", 0, 0, &Engine::protocol_version},
      {"name", 0, 0, &Engine::name},
      {"version", 0, 0, &Engine::version},
      {"known_command", 1, 1, &Engine::known_command},
      {"list_commands", 0, 0, &Engine::list_commands},
      {"quit", 0, 0, &Engine::quit},
      {"clear_board", 0, 0, &Engine::clear_board},
      {"play", 2, 2, &Engine::play},
      {"genmove", 1, 1, &Engine::genmove},
      {"reg_genmove", 1, 1, &Engine::reg_genmove},
      {"set_level", 2, 2, &Engine::set_level},
      {"set_playouts", 2, 2, &Engine::set_playouts},
      {"set_move_time", 2, 2, &Engine::set_move_time},
      {"set_threads", 2, 2, &Engine::set_threads},
      {"set_search", 3, 3, &Engine::set_search},
      {"set_random_assist", 1, 1, &Engine::set_random_assist},
      {"set_opening", 1, 1, &Engine::set_opening},
      {"set_width", 1, 1, &Engine::set_width},
      {"set_seed", 1, 1, &Engine::set_seed},
      {"legal_moves", 1, 1, &Engine::legal_moves},
      {"showboard", 0, 0, &Engine::showboard},
      {"score", 0, 0, &Engine::score},
      {"to_move", 0, 0, &Engine::to_move},
      {"moves", 0, 0, &Engine::moves},
      {"undo", 0, 0, &Engine::undo},
      {"candidates", 1, 2, &Engine::candidates},
      {"perft", 1, 1, &Engine::perft},
      {"bench", 0, 0, &Engine::bench},
  };
  return table;
}

std::vector<std::string_view> Engine::command_names() {
  std::vector<std::string_view> names;
  for (const CommandEntry& c : commands()) names.push_back(c.name);
  return names;
}

Engine::Engine(Rng rng) : rng_(rng) {}

std::string Engine::respond(std::string_view line) {
  const std::optional<ProtocolCommand> command = parse_protocol_line(line);
  if (!command) return {};
  const Outcome outcome = run(*command);
  return (outcome.ok ? "=" : "?") + command->id + " " + outcome.text + "\n\n";
}

Engine::Outcome Engine::run(const ProtocolCommand& command) {
  for (const CommandEntry& c : commands()) {
    if (c.name != command.name) continue;
    const int n = static_cast<int>(command.args.size());
    if (n < c.min_args || n > c.max_args) return fail("wrong number of arguments");
    return (this->*c.handler)(command.args);
  }
  return fail("unknown command");
}

// The engine plays one game: a move may use every core.
ComputerConfig Engine::config(int player) const {
  ComputerConfig c{level_[player], random_assist_, use_joseki_, width_, search_[player]};
  c.threads = hardware_threads();
  return c;
}

int Engine::next_rule_turn(int player) const {
  if (!game_.has_placed(player)) return 1;
  // Player 1 moves next in the following turn when player 2 is to move.
  return player == 1 && game_.to_move() == 2 ? game_.turn() + 1 : game_.turn();
}

Game Engine::as_if_to_move(int player) const {
  if (player == game_.to_move()) return game_;
  GameState s = game_.state();
  if (player == 1) ++s.turn;
  s.to_move = player;
  return Game(s);
}

Engine::Outcome Engine::protocol_version(Args) { return ok("2"); }
Engine::Outcome Engine::name(Args) { return ok("Kalvon Trevosk"); }
Engine::Outcome Engine::version(Args) { return ok(std::string(kVersion)); }

Engine::Outcome Engine::known_command(Args a) {
  const auto names = command_names();
  return ok(std::find(names.begin(), names.end(), a[0]) != names.end() ? "true" : "false");
}

Engine::Outcome Engine::list_commands(Args) {
  std::string text;
  for (std::string_view name : command_names()) {
    if (!text.empty()) text += '\n';
    text += name;
  }
  return ok(text);
}

Engine::Outcome Engine::quit(Args) {
  quit_ = true;
  return ok();
}

Engine::Outcome Engine::clear_board(Args) {
  game_ = Game();
  return ok();
}

Engine::Outcome Engine::play(Args a) {
  int p = 0;
  if (!parse_player(a[0], p)) return fail("invalid player");
  const Move m = parse_move(a[1]);
  if (m.is_none()) return fail("invalid move");
  if (game_.over()) return fail("game is over");
  if (p != game_.to_move()) return fail("not player " + std::to_string(p) + "'s turn");
  if (!game_.is_legal(m)) return fail("illegal move");
  game_.play(m);
  return ok();
}

Engine::Outcome Engine::genmove(Args a) {
  int p = 0;
  if (!parse_player(a[0], p)) return fail("invalid player");
  if (game_.over()) return fail("game is over");
  if (p != game_.to_move()) return fail("not player " + std::to_string(p) + "'s turn");
  const Move m = computer_choice(game_, config(p), rng_);
  assert(game_.is_legal(m));
  game_.play(m);
  return ok(move_text(m));
}

Engine::Outcome Engine::reg_genmove(Args a) {
  int p = 0;
  if (!parse_player(a[0], p)) return fail("invalid player");
  if (game_.over()) return fail("game is over");
  if (p != game_.to_move()) return fail("not player " + std::to_string(p) + "'s turn");
  // With a copy of the generator: the seat's next genmove plays this move.
  Rng scratch = rng_;
  return ok(move_text(computer_choice(game_, config(p), scratch)));
}

Engine::Outcome Engine::set_level(Args a) {
  int p = 0, level = 0;
  if (!parse_player(a[0], p)) return fail("invalid player");
  if (!parse_in_range(a[1], kMinLevel, kLastSearchLevel, level)) return fail("invalid level");
  level_[p] = level;
  return ok();
}

Engine::Outcome Engine::set_playouts(Args a) {
  int p = 0;
  uint64_t n = 0;
  if (!parse_player(a[0], p)) return fail("invalid player");
  if (!parse_unsigned(a[1], n) || n > kMaxPlayouts) return fail("invalid playouts");
  search_[p].playouts = n;
  return ok();
}

Engine::Outcome Engine::set_move_time(Args a) {
  int p = 0;
  if (!parse_player(a[0], p)) return fail("invalid player");
  SearchSettings s = search_[p];
  std::string error;
  if (!set_search_option(s, "t", a[1], error)) return fail("invalid time");
  search_[p] = s;
  return ok();
}

Engine::Outcome Engine::set_threads(Args a) {
  int p = 0;
  if (!parse_player(a[0], p)) return fail("invalid player");
  SearchSettings s = search_[p];
  std::string error;
  if (!set_search_option(s, "threads", a[1], error)) return fail("invalid threads");
  search_[p] = s;
  return ok();
}

Engine::Outcome Engine::set_search(Args a) {
  int p = 0;
  if (!parse_player(a[0], p)) return fail("invalid player");
  SearchSettings s = search_[p];
  std::string error;
  if (!set_search_option(s, a[1], a[2], error)) return fail(error);
  search_[p] = s;
  return ok();
}

Engine::Outcome Engine::set_random_assist(Args a) {
  if (!parse_switch(a[0], random_assist_)) return fail("invalid on/off");
  return ok();
}

Engine::Outcome Engine::set_opening(Args a) {
  if (!parse_switch(a[0], use_joseki_)) return fail("invalid on/off");
  return ok();
}

Engine::Outcome Engine::set_width(Args a) {
  if (!parse_in_range(a[0], 1, kMaxWidth, width_)) return fail("invalid width");
  return ok();
}

Engine::Outcome Engine::set_seed(Args a) {
  uint64_t seed = 0;
  if (!parse_unsigned(a[0], seed)) return fail("invalid seed");
  rng_ = Rng(seed);
  return ok();
}

Engine::Outcome Engine::legal_moves(Args a) {
  int p = 0;
  if (!parse_player(a[0], p)) return fail("invalid player");
  if (game_.over()) return ok();
  make_legal_list(p, game_.pieces_left(p), game_.board(), next_rule_turn(p), *list_);
  std::string text;
  text.reserve(5 * static_cast<size_t>(list_->size()));
  for (const Move& m : *list_) {
    if (!text.empty()) text += ' ';
    text += move_code(m);
  }
  return ok(text);
}

Engine::Outcome Engine::showboard(Args) {
  std::ostringstream out;
  // The final display shows turn 99 with player 2 to move.
  if (game_.over())
    draw_position_txt(out, game_, 99, 2);
  else
    draw_position_txt(out, game_, game_.turn(), game_.to_move());
  std::string text = out.str();
  if (!text.empty() && text.back() == '\n') text.pop_back();
  return ok(text);
}

Engine::Outcome Engine::score(Args) {
  return ok(std::to_string(game_.score(1)) + " " + std::to_string(game_.score(2)));
}

Engine::Outcome Engine::to_move(Args) {
  if (game_.over()) return ok("none");
  return ok(std::to_string(game_.to_move()) + " " + std::to_string(game_.turn()));
}

Engine::Outcome Engine::moves(Args) {
  std::string text;
  for (const HalfMove& h : game_.history()) {
    if (!text.empty()) text += ' ';
    text += move_text(h.move);
  }
  return ok(text);
}

Engine::Outcome Engine::undo(Args) {
  if (!game_.undo()) return fail("cannot undo");
  return ok();
}

Engine::Outcome Engine::candidates(Args a) {
  int p = 0;
  if (!parse_player(a[0], p)) return fail("invalid player");
  uint64_t count = 10;
  if (a.size() > 1 && (!parse_unsigned(a[1], count) || count == 0)) return fail("invalid count");
  const int level = level_[p];
  if (level <= 2) return fail("no evaluation at level " + std::to_string(level));
  const int turn = next_rule_turn(p);
  const PiecesLeft& left = game_.pieces_left(p);
  if (game_.over() || !isexist_legal(p, left, game_.board(), turn)) return ok();
  // The values without random assist, read with a copy of the generator:
  // asking changes nothing.
  Rng scratch = rng_;
  if (level >= kFirstSearchLevel) return ok(search_candidates(p, count, scratch));
  PlayerContext ctx{&scratch};
  ctx.think_width[p] = level_think_width(level, width_);
  ctx.threads = hardware_threads();
  std::vector<Candidate> ranked =
      level_values(ctx, p, level, left, game_.board(), turn, game_.pieces_left(3 - p));
  // Best first; equal values keep the order in which the seat meets them,
  // so the first line is the move the seat plays.
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const Candidate& x, const Candidate& y) { return x.value > y.value; });
  if (ranked.size() > count) ranked.resize(count);
  std::string text;
  for (const Candidate& c : ranked) {
    if (!text.empty()) text += '\n';
    text += move_code(c.move) + " " + format_value(c.value);
  }
  return ok(text);
}

std::string Engine::search_candidates(int p, uint64_t count, Rng& rng) const {
  const SearchResult r = search_game(as_if_to_move(p), config(p), rng);
  std::string text;
  char buf[64];
  for (const SearchCandidate& c : r.candidates) {
    if (count-- == 0) break;
    if (!text.empty()) text += '\n';
    std::snprintf(buf, sizeof buf, " %u %.4f %+.2f", c.visits, c.win_rate, c.mean_margin);
    text += move_code(c.move) + buf;
    for (const Move& m : c.pv) text += ' ' + move_text(m);
  }
  return text;
}

Engine::Outcome Engine::perft(Args a) {
  int depth = 0;
  if (!parse_in_range(a[0], 0, kMaxDepth, depth)) return fail("invalid depth");
  return ok(std::to_string(trevosk::perft(game_, depth)));
}

Engine::Outcome Engine::bench(Args) { return ok(bench_report()); }

}  // namespace trevosk
