#include "game/program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "game/game_loop.h"

namespace trevosk {
namespace {

struct Outcome {
  int status;
  std::string out, err;
  bool input_untouched;
};

// A window that records what the program asks of it.
struct FakeWindow : Frontend, Display, HumanMover, MoveLog {
  std::vector<std::string>* calls;
  explicit FakeWindow(std::vector<std::string>* c) : calls(c) {}
  Display& display() override { return *this; }
  HumanMover& human() override { return *this; }
  MoveLog& log() override { return *this; }
  void draw_background() override { calls->push_back("background"); }
  void draw_board(const Board&) override { calls->push_back("board"); }
  void draw_pieces(const PiecesLeft&, int) override {}
  void draw_score(int, int, int turn, int) override {
    calls->push_back("score " + std::to_string(turn));
  }
  void show_pass(int) override { calls->push_back("pass"); }
  void finish() override { calls->push_back("finish"); }
  void move_played(int, const Move&) override { calls->push_back("move"); }
  // A key pressed while a human seat waits ends the program.
  void play(GameState&, int, int) override { throw EndProgram{0}; }
};

Outcome run(std::vector<std::string> args, const std::string& input = "", uint64_t seed = 1,
            WindowFactory window = nullptr) {
  args.insert(args.begin(), "trevosk");
  std::istringstream in(input);
  std::ostringstream out, err;
  if (!window)
    window = [](int, int, std::ostream&) -> std::unique_ptr<Frontend> {
      throw WindowError("no display");
    };
  const int status = run_program(args, ProgramIo{in, out, err}, window, seed);
  return {status, out.str(), err.str(), in.tellg() == 0};
}

// Catches output on the wrong stream, a wrong status, and a game or window
// started after the command line said to stop.
TEST(Program, CommandLineEndings) {
  const Outcome v = run({"-t", "-v", "-p1"});
  EXPECT_EQ(v.status, 0);
  EXPECT_EQ(v.out, "Kalvon Trevosk 1.0 r.temmo\n");
  EXPECT_EQ(v.err, "");
  const Outcome help = run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out, usage_text());
  const Outcome unknown = run({"-t", "-x"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.out, "");
  EXPECT_EQ(unknown.err, "trevosk: unknown option `-x'.\n" + usage_text());
  const Outcome human = run({"-t", "-p1", "Human"});
  EXPECT_EQ(human.status, 2);
  EXPECT_EQ(human.out, "");
  EXPECT_EQ(human.err.rfind("Fatal error: exception ", 0), 0u);
  EXPECT_EQ(human.err.find("Usage"), std::string::npos);
}

// A text-mode game between two level-1 seats: catches standard input being
// read, a missing or single move line, a first move other than the book's,
// a game that does not replay from its seed, and a missing result line.
TEST(Program, TextGameBetweenComputers) {
  const Outcome a = run({"-t", "-p1", "1", "-p2", "1"}, "55a0\n", 42);
  EXPECT_EQ(a.status, 0);
  EXPECT_EQ(a.err, "");
  EXPECT_TRUE(a.input_untouched);
  EXPECT_EQ(a.out.rfind("+--------------+\n|              |\n", 0), 0u);
  EXPECT_NE(
      a.out.find("Turn-P1 / P1: 0 P2: 0 ( 1)\nPlayer 1 plays [66t0]\nPlayer 1 plays [66t0]\n"),
      std::string::npos);
  EXPECT_NE(a.out.find("Turn-P2 / P1:"), std::string::npos);
  const size_t last = a.out.rfind("Turn-P2 / P1:");
  ASSERT_NE(last, std::string::npos);
  EXPECT_NE(a.out.find("(99)\nPlayer1:", last), std::string::npos);
  EXPECT_EQ(a.out.substr(a.out.size() - 10), "Finished.\n");
  EXPECT_EQ(run({"-t", "-p1", "1", "-p2", "1"}, "", 42).out, a.out);
}

// A human seat in text mode whose input ends: the game stops with the fatal
// line on standard error and status 2, after the moves already made.
TEST(Program, EndOfInputStopsTheGame) {
  const Outcome r = run({"-t", "-p1", "human", "-p2", "1"}, "55a0\n", 3);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err.rfind("Fatal error: exception ", 0), 0u);
  EXPECT_EQ(r.err.find('\n'), r.err.size() - 1);
  EXPECT_NE(r.out.find("Input> 4 4 0 0\nPlayer 1 plays [55a0]\nPlayer 1 plays [55a0]\n"),
            std::string::npos);
  size_t p2_lines = 0;
  for (size_t at = 0; (at = r.out.find("Player 2 plays [", at)) != std::string::npos; ++at)
    ++p2_lines;
  EXPECT_EQ(p2_lines, 2u);
  const std::string tail = r.out.substr(r.out.rfind("Turn-P"));
  EXPECT_EQ(tail.substr(0, 19), "Turn-P1 / P1: 1 P2:");
  EXPECT_EQ(tail.substr(21), " ( 2)\nInput> ");
}

// Without -t the game runs in the window: the background is drawn before
// the first redraw, each move is logged once, through the window, and the
// result line goes to standard output. A key pressed during a human turn
// ends the program with the status it asks for; no window ends it with 2.
TEST(Program, WindowGame) {
  std::vector<std::string> calls;
  std::vector<std::pair<int, int>> sizes;
  auto factory = [&](int w, int h, std::ostream&) -> std::unique_ptr<Frontend> {
    sizes.push_back({w, h});
    return std::make_unique<FakeWindow>(&calls);
  };
  const Outcome r = run({"-p1", "1", "-p2", "1"}, "", 9, factory);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  ASSERT_EQ(sizes.size(), 1u);
  EXPECT_EQ(sizes[0].first, sizes[0].second);
  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ(calls[0], "background");
  EXPECT_EQ(calls[1], "board");
  EXPECT_EQ(calls.back(), "finish");
  EXPECT_EQ(calls[calls.size() - 2], "score 99");
  EXPECT_EQ(r.out.find('\n'), r.out.size() - 1);  // only the result line
  EXPECT_EQ(r.out.rfind("Player1:", 0), 0u);
  EXPECT_GT(std::count(calls.begin(), calls.end(), "move"), 20);

  calls.clear();
  const Outcome key = run({"-p1", "human"}, "", 1, factory);
  EXPECT_EQ(key.status, 0);
  EXPECT_EQ(key.out, "");
  EXPECT_EQ(calls.back(), "score 1");

  const Outcome none = run({"-p1", "1", "-p2", "1"});
  EXPECT_EQ(none.status, 2);
  EXPECT_EQ(none.out, "");
  EXPECT_NE(none.err, "");
}

}  // namespace
}  // namespace trevosk
