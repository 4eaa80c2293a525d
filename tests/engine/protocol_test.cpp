// The protocol driven in-process, as scripts of command lines and replies
// (written without the empty line that ends each reply).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"

namespace trevosk {
namespace {

using Script = std::vector<std::pair<std::string, std::string>>;

void expect_replies(Engine& engine, const Script& script) {
  for (const auto& [line, reply] : script)
    EXPECT_EQ(engine.respond(line), reply.empty() ? "" : reply + "\n\n") << line;
}

std::string replies(Engine& engine, const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += engine.respond(line);
  return out;
}

// Catches framing faults: ids, comments, tabs, CR and other control bytes,
// empty lines, an id alone, a query run twice, quit.
TEST(Protocol, Framing) {
  Engine engine(Rng(1));
  expect_replies(engine, {{"protocol_version", "= 2"},
                          {"12 name", "=12 Kalvon Trevosk"},
                          {" \t3\tversion  # a comment\r", "=3 1.0"},
                          {"# only a comment", ""},
                          {std::string("\0\r\x1b", 3), ""},
                          {"5 pl\x01"
                           "ay 1\t66t0",
                           "=5 "},
                          {"to_move", "= 2 1"},
                          {"to_move", "= 2 1"},
                          {"8", "?8 unknown command"},
                          {"known_command perft", "= true"},
                          {"known_command Perft", "= false"},
                          {"9 quit", "=9 "}});
  EXPECT_TRUE(engine.quit_requested());
}

// Catches bad input answered with the wrong message, and bad input or a
// query that changes the game, a setting or the generator: a twin engine that
// never saw them must go on replying the same.
TEST(Protocol, BadInputAndQueriesChangeNothing) {
  const std::vector<std::string> setup = {"set_seed 7", "set_level 2 1", "set_random_assist on",
                                          "set_width 3"};
  Engine engine(Rng(1)), twin(Rng(1));
  replies(engine, setup);
  replies(twin, setup);
  expect_replies(engine, {{"undo", "? cannot undo"},
                          {"PLAY 1 66t0", "? unknown command"},
                          {"\xff\xfe\x80 1", "? unknown command"},
                          {"3 play 1", "?3 wrong number of arguments"},
                          {"showboard now", "? wrong number of arguments"},
                          {"candidates 1 2 3", "? wrong number of arguments"},
                          {"play 3 66t0", "? invalid player"},
                          {"legal_moves -1", "? invalid player"},
                          {"play 1 F6t0", "? invalid move"},
                          {"play 1 66t00", "? invalid move"},
                          {"play 1 11a0", "? illegal move"},
                          {"play 2 99s0", "? not player 2's turn"},
                          {"genmove 2", "? not player 2's turn"},
                          {"set_level 1 9", "? invalid level"},
                          {"set_level 1 99999999999999999999", "? invalid level"},
                          {"set_opening OFF", "? invalid on/off"},
                          {"set_width 100", "? invalid width"},
                          {"set_seed 18446744073709551616", "? invalid seed"},
                          {"candidates 1 0", "? invalid count"},
                          {"candidates 2", "? no evaluation at level 1"},
                          {"perft 45", "? invalid depth"}});
  replies(engine, {"candidates 1 3", "legal_moves 2", "perft 2", "showboard", "moves"});
  // Player 1 opens (66t0 unless the opening was switched off), player 2's
  // random seat draws, player 1's assisted level 8 draws and reads width 3.
  const std::vector<std::string> probe = {"genmove 1", "genmove 2", "genmove 1", "candidates 1"};
  EXPECT_EQ(replies(engine, probe), replies(twin, probe));
}

// Catches a finished game that still takes or counts moves, or whose end
// undo cannot take back; and replies that depend on anything but the seed
// and the commands (levels 1 and 2, random assist).
TEST(Protocol, SameSeedSameGameToTheEnd) {
  std::string transcript[2];
  for (int k = 0; k < 2; ++k) {
    Engine engine{Rng(100 + k)};
    replies(engine, {"set_seed 11", "set_level 1 1", "set_level 2 2", "set_random_assist on"});
    while (!engine.game().over())
      transcript[k] += engine.respond("genmove " + std::to_string(engine.game().to_move()));
    expect_replies(engine, {{"genmove 1", "? game is over"},
                            {"play 2 pass", "? game is over"},
                            {"legal_moves 1", "= "},
                            {"perft 0", "= 1"},
                            {"perft 1", "= 0"},
                            {"to_move", "= none"}});
    EXPECT_NE(replies(engine, {"undo", "to_move"}), "= \n\n= none\n\n");
  }
  EXPECT_EQ(transcript[0], transcript[1]);
}

// Catches a ranking whose first move is not the one the seat plays, ties
// included (the opening position is full of them).
TEST(Protocol, CandidatesLeadWithTheSeatsMove) {
  Engine engine(Rng(1));
  engine.respond("set_opening off");
  for (const char* move : {"", "66t0", "9Au0"}) {
    if (*move) engine.respond("play " + std::to_string(engine.game().to_move()) + " " + move);
    const std::string p = std::to_string(engine.game().to_move());
    for (int level = 3; level <= 8; ++level) {
      engine.respond("set_level " + p + " " + std::to_string(level));
      const std::string best = engine.respond("candidates " + p + " 1").substr(2, 4);
      EXPECT_EQ(engine.respond("genmove " + p), "= " + best + "\n\n") << level << move;
      engine.respond("undo");
    }
  }
}

}  // namespace
}  // namespace trevosk
