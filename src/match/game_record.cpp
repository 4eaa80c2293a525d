#include "match/game_record.h"

#include <cstdio>
#include <cstdlib>
#include <limits>

#include "game/notation.h"
#include "match/flat_json.h"

namespace trevosk {

int winner_by_score(int score1, int score2) {
  return score1 > score2 ? 1 : score2 > score1 ? 2 : 0;
}

double GameRecord::points_a() const {
  if (winner == 0) return 0.5;
  return winner == player_of_a() ? 1.0 : 0.0;
}

std::string GameRecord::result_text() const {
  return winner == 1 ? "1-0" : winner == 2 ? "0-1" : "1/2-1/2";
}

std::string record_json(const GameRecord& r) {
  std::string moves = "[";
  std::string ms = "[";
  for (size_t i = 0; i < r.moves.size(); ++i) {
    if (i) moves += ',', ms += ',';
    moves += json_string(move_text(r.moves[i]));
    if (i < r.ms.size() && r.ms[i]) {
      // Room for any finite double: up to 309 digits before the point.
      char buf[320];
      std::snprintf(buf, sizeof buf, "%.3f", *r.ms[i]);
      ms += buf;
    } else {
      ms += "null";
    }
  }
  moves += ']';
  ms += ']';
  const char* seat_of[] = {"", r.a_first ? "A" : "B", r.a_first ? "B" : "A"};
  JsonWriter w;
  w.field("version", r.version)
      .field("game", r.game)
      .field("pair", r.pair())
      .field("seed", std::to_string(r.seed))
      .field("master_seed", std::to_string(r.master_seed))
      .field("seat_a", r.seat_a)
      .field("seat_b", r.seat_b)
      .field("player1", seat_of[1])
      .field("openings", r.openings)
      .raw("moves", moves)
      .raw("ms", ms)
      .field("score1", r.score1)
      .field("score2", r.score2)
      .field("score_a", r.score_a())
      .field("score_b", r.score_b())
      .field("result", r.result_text())
      .real("points_a", r.points_a(), 1)
      .field("termination", r.forfeit_player ? "forfeit" : "normal");
  if (r.forfeit_player)
    w.field("forfeit_by", seat_of[r.forfeit_player]);
  else
    w.null("forfeit_by");
  w.field("reason", r.reason);
  auto text_or_null = [&](std::string_view key, const std::string& text) {
    text.empty() ? w.null(key) : w.field(key, text);
  };
  std::string seats = "[";
  for (const std::string& seat : r.seats)
    seats += (seats.size() > 1 ? "," : "") + json_string(seat);
  text_or_null("tournament", r.tournament);
  w.field("pairing", r.pairing).raw("seats", seats + "]");
  text_or_null("sprt", r.sprt);
  w.field("match", r.match);
  return w.str();
}

namespace {

struct FieldReader {
  const JsonObject& o;
  std::string& error;

  const JsonValue* get(std::string_view key, JsonValue::Type type) {
    const auto it = o.find(key);
    if (it == o.end() || it->second.type != type) {
      error = "field `" + std::string(key) + "' missing or of the wrong type";
      return nullptr;
    }
    return &it->second;
  }
  // A field that older records lack: left as it is when absent or null.
  bool optional_text(std::string_view key, std::string& out) {
    const auto it = o.find(key);
    return it == o.end() || it->second.type == JsonValue::Type::Null || text(key, out);
  }
  bool text(std::string_view key, std::string& out) {
    const JsonValue* v = get(key, JsonValue::Type::String);
    if (v) out = v->text;
    return v;
  }
  bool integer(std::string_view key, int& out) {
    const JsonValue* v = get(key, JsonValue::Type::Number);
    if (!v) return false;
    // Range first: converting a double beyond int is undefined.
    const double d = v->number;
    if (!(d >= std::numeric_limits<int>::min() && d <= std::numeric_limits<int>::max()) ||
        static_cast<int>(d) != d)
      return (error = "field `" + std::string(key) + "' is not an integer"), false;
    out = static_cast<int>(d);
    return true;
  }
  bool seed(std::string_view key, uint64_t& out) {
    std::string s;
    if (!text(key, s)) return false;
    char* end = nullptr;
    out = std::strtoull(s.c_str(), &end, 10);
    if (s.empty() || *end) return (error = "field `" + std::string(key) + "' is not a seed"), false;
    return true;
  }
};

}  // namespace

bool parse_record(std::string_view line, GameRecord& r, std::string& error) {
  JsonObject o;
  if (!parse_flat_json(line, o, error)) return false;
  FieldReader f{o, error};
  r = GameRecord{};
  std::string player1, result, termination, forfeit_by;
  if (!f.text("version", r.version) || !f.integer("game", r.game) || !f.seed("seed", r.seed) ||
      !f.seed("master_seed", r.master_seed) || !f.text("seat_a", r.seat_a) ||
      !f.text("seat_b", r.seat_b) || !f.text("player1", player1) ||
      !f.integer("openings", r.openings) || !f.integer("score1", r.score1) ||
      !f.integer("score2", r.score2) || !f.text("result", result) ||
      !f.text("termination", termination) || !f.text("reason", r.reason))
    return false;
  if (player1 != "A" && player1 != "B") return (error = "player1 must be A or B"), false;
  r.a_first = player1 == "A";
  if (result == "1-0") {
    r.winner = 1;
  } else if (result == "0-1") {
    r.winner = 2;
  } else if (result != "1/2-1/2") {
    return (error = "unknown result `" + result + "'"), false;
  }
  if (termination == "forfeit") {
    if (!f.text("forfeit_by", forfeit_by) || (forfeit_by != "A" && forfeit_by != "B"))
      return (error = "forfeit_by must be A or B"), false;
    r.forfeit_player = (forfeit_by == "A") == r.a_first ? 1 : 2;
  } else if (termination != "normal") {
    return (error = "unknown termination `" + termination + "'"), false;
  }
  const JsonValue* moves = f.get("moves", JsonValue::Type::Array);
  const JsonValue* ms = f.get("ms", JsonValue::Type::Array);
  if (!moves || !ms) return false;
  if (moves->items.size() != ms->items.size())
    return (error = "moves and ms differ in length"), false;
  for (size_t i = 0; i < moves->items.size(); ++i) {
    const JsonValue& m = moves->items[i];
    const Move move = m.type == JsonValue::Type::String ? parse_move(m.text) : Move::none();
    if (move.is_none()) return (error = "bad move `" + m.text + "'"), false;
    r.moves.push_back(move);
    const JsonValue& t = ms->items[i];
    if (t.type == JsonValue::Type::Number)
      r.ms.emplace_back(t.number);
    else if (t.type == JsonValue::Type::Null)
      r.ms.emplace_back();
    else
      return (error = "bad time in ms"), false;
  }
  r.seats = {r.seat_a, r.seat_b};
  if (!f.optional_text("tournament", r.tournament) || !f.optional_text("sprt", r.sprt) ||
      !f.optional_text("match", r.match))
    return false;
  if (o.contains("pairing") && !f.integer("pairing", r.pairing)) return false;
  if (o.contains("seats")) {
    const JsonValue* seats = f.get("seats", JsonValue::Type::Array);
    if (!seats) return false;
    r.seats.clear();
    for (const JsonValue& v : seats->items) {
      if (v.type != JsonValue::Type::String) return (error = "bad seat in seats"), false;
      r.seats.push_back(v.text);
    }
  }
  return true;
}

}  // namespace trevosk
