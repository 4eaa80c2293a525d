#include "game/program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace trevosk {
namespace {

// A window that records what the program asks of it; its mouse seat quits,
// as a key pressed while a human is to move does.
struct FakeWindow : Frontend, GameObserver, Seat {
  std::vector<std::string>& calls;
  bool closed_after_first_move = false;
  explicit FakeWindow(std::vector<std::string>& c) : calls(c) {}
  void draw_background() override { calls.push_back("background"); }
  GameObserver& observer() override { return *this; }
  Seat& mouse_seat() override { return *this; }
  bool quit_requested() override { return closed_after_first_move; }
  void wait_for_key() override { calls.push_back("key"); }
  void notify(const Game&, const GameEvent& e) override {
    const char* names[] = {"turn", "placed", "passed", "blocked", "over"};
    calls.push_back(names[static_cast<int>(e.kind)]);
  }
  Move choose(const Game&) override { return Move::none(); }
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

// Catches a text game not replaying from its seed, or missing its joseki or result.
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

// Catches a window game that skips the background or the final key wait, a
// quit that does not end the program with status 0, or a close not heeded.
TEST(Program, WindowGame) {
  std::vector<std::string> calls;
  bool close = false;
  auto factory = [&](int, int, std::ostream&) {
    auto w = std::make_unique<FakeWindow>(calls);
    w->closed_after_first_move = close;
    return OpenedFrontend{std::move(w), ""};
  };
  const Outcome r = run({"-p1", "1", "-p2", "1"}, 9, factory);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  ASSERT_GE(calls.size(), 4u);
  EXPECT_EQ(calls[0], "background");
  EXPECT_EQ(calls[1], "turn");
  EXPECT_EQ(calls[calls.size() - 2], "over");
  EXPECT_EQ(calls.back(), "key");
  EXPECT_GT(std::count(calls.begin(), calls.end(), "placed"), 20);

  calls.clear();
  const Outcome key = run({"-p1", "human"}, 1, factory);
  EXPECT_EQ(key.status, 0);
  EXPECT_EQ(key.out, "");
  EXPECT_EQ(calls, (std::vector<std::string>{"background", "turn"}));

  calls.clear();
  close = true;
  const Outcome closed = run({"-p1", "1", "-p2", "1"}, 1, factory);
  EXPECT_EQ(closed.status, 0);
  EXPECT_EQ(calls, (std::vector<std::string>{"background", "turn", "placed"}));

  // No window: the reason and the hint on standard error, status 2, no game.
  const Outcome none = run({"-p1", "1"}, 1, [](int, int, std::ostream&) {
    return OpenedFrontend{nullptr, "no display"};
  });
  EXPECT_EQ(none.status, 2);
  EXPECT_EQ(none.out, "");
  EXPECT_EQ(none.err, "trevosk: no display; use -t to play in text mode.\n");
}

}  // namespace
}  // namespace trevosk
