// The protocol driven in-process, as scripts of command lines and replies
// (written without the empty line that ends each reply), and the golden
// text-mode transcripts replayed through it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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
// never saw them must go on replying the same, given the same seed.
TEST(Protocol, BadInputAndQueriesChangeNothing) {
  const std::vector<std::string> setup = {
      "set_seed 7",  "set_level 1 2",      "set_level 2 1",     "set_random_assist on",
      "set_width 3", "set_playouts 1 300", "set_playouts 2 300"};
  Engine engine(Rng(1)), twin(Rng(2));
  replies(engine, setup);
  replies(twin, setup);
  expect_replies(engine,
                 {{"undo", "? cannot undo"},
                  {"PLAY 1 66t0", "? unknown command"},
                  {"\xff\xfe\x80 1", "? unknown command"},
                  {"3 play 1", "?3 wrong number of arguments"},
                  {"showboard now", "? wrong number of arguments"},
                  {"play 3 66t0", "? invalid player"},
                  {"play 1 F6t0", "? invalid move"},
                  {"play 1 11a0", "? illegal move"},
                  {"play 2 99s0", "? not player 2's turn"},
                  {"genmove 2", "? not player 2's turn"},
                  {"set_level 1 11", "? invalid level"},
                  {"set_playouts 1 -5", "? invalid playouts"},
                  {"set_move_time 2 1e9", "? invalid time"},
                  {"set_threads 1 0", "? invalid threads"},
                  {"set_search 1 rave -1", "? rave must be a number from 0 to 1e+09, not `-1'"},
                  {"reg_genmove 2", "? not player 2's turn"},
                  {"set_level 1 99999999999999999999", "? invalid level"},
                  {"set_opening OFF", "? invalid on/off"},
                  {"set_width 100", "? invalid width"},
                  {"set_seed 18446744073709551616", "? invalid seed"},
                  {"candidates 1 0", "? invalid count"},
                  {"candidates 1", "? no evaluation at level 2"},
                  {"perft 45", "? invalid depth"}});
  replies(engine,
          {"set_level 2 5", "candidates 2", "set_level 2 9", "candidates 2", "reg_genmove 1",
           "set_level 2 1", "legal_moves 2", "perft 2", "showboard", "moves"});
  // Player 1 opens (66t0 unless the joseki was switched off); then levels 1
  // and 2 draw, and an assisted level 8 draws and reads width 3.
  const std::vector<std::string> probe = {"genmove 1",     "genmove 2",     "genmove 1",
                                          "genmove 2",     "set_level 1 8", "genmove 1",
                                          "candidates 1 3"};
  EXPECT_EQ(replies(engine, probe), replies(twin, probe));
}

// Catches a ranking whose first move is not the one the seat plays, ties
// included (the first turns are full of them).
TEST(Protocol, CandidatesLeadWithTheSeatsMove) {
  Engine engine(Rng(1));
  engine.respond("set_opening off");
  for (const char* move : {"", "66t0", "9Au0"}) {
    if (*move) engine.respond("play " + std::to_string(engine.game().to_move()) + " " + move);
    const std::string p = std::to_string(engine.game().to_move());
    engine.respond("set_playouts " + p + " 500");
    for (int level = 3; level <= 9; ++level) {
      engine.respond("set_level " + p + " " + std::to_string(level));
      const std::string best = engine.respond("candidates " + p + " 1").substr(2, 4);
      EXPECT_EQ(engine.respond("genmove " + p), "= " + best + "\n\n") << level << move;
      engine.respond("undo");
    }
  }
}

std::vector<std::string> lines_of(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Catches rules or seats that differ from text mode: every display equal to
// showboard at its point (the final one included), perft 1 agreeing with the
// listed moves (1 for a forced pass), genmove answering each computer seat's
// move with the transcript's levels and joseki setting, play taking every
// move and pass, the final score and end, and a finished game that still
// takes or counts moves or cannot be taken back.
TEST(Golden, TranscriptsReplayedThroughTheProtocol) {
  int games = 0;
  for (const auto& entry : std::filesystem::directory_iterator(GOLDEN_DIR)) {
    const std::filesystem::path& path = entry.path();
    const std::string name = path.stem().string();
    if (path.extension() != ".stdout" || name.starts_with("cli_")) continue;
    SCOPED_TRACE(name);
    ++games;
    Engine engine(Rng(1));
    std::string human;
    const std::vector<std::string> words = lines_of(path.parent_path() / (name + ".args"));
    for (size_t i = 0; i < words.size(); ++i) {
      if (words[i] == "-n") engine.respond("set_opening off");
      if (words[i] != "-p1" && words[i] != "-p2") continue;
      const std::string p = words[i].substr(2);
      if (words[++i] == "human")
        human = p;
      else
        engine.respond("set_level " + p + " " + words[i]);
    }
    const std::vector<std::string> lines = lines_of(path);
    for (size_t i = 0; i < lines.size(); ++i) {
      const std::string& l = lines[i];
      int s1 = 0, s2 = 0;
      if (l == "+--------------+" && i + 18 < lines.size()) {
        std::string display = l;
        for (size_t k = i + 1; k <= i + 18; ++k) display += "\n" + lines[k];
        i += 18;
        ASSERT_EQ(engine.respond("showboard"), "= " + display + "\n\n") << "line " << i;
        if (engine.game().over()) continue;
        const std::string listed =
            engine.respond("legal_moves " + std::to_string(engine.game().to_move()));
        const auto n = listed == "= \n\n" ? 1 : std::count(listed.begin(), listed.end(), ' ');
        EXPECT_EQ(engine.respond("perft 1"), "= " + std::to_string(n) + "\n\n");
      } else if (l.starts_with("Player ") && lines[i - 1] != l) {  // each placement twice
        const std::string p = l.substr(7, 1);
        const std::string move = l.ends_with("[----]") ? "pass" : l.substr(l.find('[') + 1, 4);
        if (p != human) {
          EXPECT_EQ(engine.respond("genmove " + p), "= " + move + "\n\n") << "line " << i;
          engine.respond("undo");
        }
        ASSERT_EQ(engine.respond("play " + p + " " + move), "= \n\n") << "line " << i;
      } else if (std::sscanf(l.c_str(), "Player1:%d  v.s. Player2:%d", &s1, &s2) == 2) {
        EXPECT_EQ(engine.respond("score"),
                  "= " + std::to_string(s1) + " " + std::to_string(s2) + "\n\n");
        for (const char* line : {"genmove 1", "play 2 pass"})
          EXPECT_EQ(engine.respond(line), "? game is over\n\n");
        EXPECT_EQ(replies(engine, {"to_move", "legal_moves 1", "perft 1", "perft 0"}),
                  "= none\n\n= \n\n= 0\n\n= 1\n\n");
        EXPECT_NE(replies(engine, {"undo", "to_move"}), "= \n\n= none\n\n");
      }
    }
  }
  EXPECT_EQ(games, 6);
}

}  // namespace
}  // namespace trevosk
