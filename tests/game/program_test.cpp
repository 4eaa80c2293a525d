#include "game/program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace trevosk {
namespace {

// A window that records what the program asks of it; a key pressed while a
// human seat waits ends the program.
struct FakeWindow : Frontend, Display, HumanMover, MoveLog {
  std::vector<std::string>& calls;
  explicit FakeWindow(std::vector<std::string>& c) : calls(c) {}
  Display& display() override { return *this; }
  HumanMover& human() override { return *this; }
  MoveLog& log() override { return *this; }
  void draw_background() override { calls.push_back("background"); }
  void draw_board(const Board&) override { calls.push_back("board"); }
  void draw_pieces(const PiecesLeft&, int) override {}
  void draw_score(int, int, int turn, int) override {
    calls.push_back("score " + std::to_string(turn));
  }
  void show_pass(int) override { calls.push_back("pass"); }
  void finish() override { calls.push_back("finish"); }
  void move_played(int, const Move&) override { calls.push_back("move"); }
  void play(GameState&, int, int) override { throw EndProgram{0}; }
};

struct Outcome {
  int status;
  std::string out, err;
};
Outcome run(std::vector<std::string> args, uint64_t seed, const WindowFactory& window = nullptr) {
  args.insert(args.begin(), "trevosk");
  std::istringstream in;
  std::ostringstream out, err;
  const int status = run_program(args, ProgramIo{in, out, err}, window, seed);
  return {status, out.str(), err.str()};
}

// Catches a text game not replaying from its seed, or missing its book move or result.
TEST(Program, SeededTextGameReplays) {
  const Outcome a = run({"-t", "-p1", "1", "-p2", "1"}, 42);
  EXPECT_EQ(a.status, 0);
  EXPECT_EQ(a.err, "");
  EXPECT_NE(a.out.find("( 1)\nPlayer 1 plays [66t0]\nPlayer 1 plays [66t0]\n"), std::string::npos);
  EXPECT_NE(a.out.find("(99)\nPlayer1:"), std::string::npos);
  EXPECT_TRUE(a.out.ends_with("Finished.\n"));
  EXPECT_EQ(run({"-t", "-p1", "1", "-p2", "1"}, 42).out, a.out);
  EXPECT_NE(run({"-t", "-p1", "1", "-p2", "1"}, 43).out, a.out);
}

// Catches window moves logged twice or elsewhere, stray output, or a wrong key-press status.
TEST(Program, WindowGame) {
  std::vector<std::string> calls;
  auto factory = [&](int, int, std::ostream&) -> std::unique_ptr<Frontend> {
    return std::make_unique<FakeWindow>(calls);
  };
  const Outcome r = run({"-p1", "1", "-p2", "1"}, 9, factory);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ(calls[0], "background");
  EXPECT_EQ(calls[1], "board");
  EXPECT_EQ(calls[calls.size() - 2], "score 99");
  EXPECT_EQ(calls.back(), "finish");
  EXPECT_GT(std::count(calls.begin(), calls.end(), "move"), 20);
  EXPECT_EQ(std::adjacent_find(calls.begin(), calls.end(),
                               [](const auto& a, const auto& b) { return a == "move" && b == a; }),
            calls.end());
  EXPECT_TRUE(r.out.starts_with("Player1:"));
  EXPECT_EQ(r.out.find('\n'), r.out.size() - 1);

  calls.clear();
  const Outcome key = run({"-p1", "human"}, 1, factory);
  EXPECT_EQ(key.status, 0);
  EXPECT_EQ(key.out, "");
  EXPECT_EQ(calls.back(), "score 1");
}

}  // namespace
}  // namespace trevosk
