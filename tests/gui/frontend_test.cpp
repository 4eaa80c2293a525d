// The whole program in graphics mode on a headless window: the game loop's
// redraws, the move log, a human seat with the mouse and the final key wait.
#include <sstream>
#include <string>
#include <vector>

#include "game/game_loop.h"
#include "game/notation.h"
#include "game/program.h"
#include "gui/window_frontend.h"
#include "gui_test_support.h"

namespace trevosk::testing {
namespace {

class GraphicsProgram : public WindowTest {
 protected:
  // Runs the program on the test's window; returns the exit status.
  int run(std::vector<std::string> args) {
    args.insert(args.begin(), "trevosk");
    std::istringstream in;
    const WindowFactory factory = [this](int width, int height, std::ostream& o) {
      EXPECT_EQ(width, 500);
      EXPECT_EQ(height, 500);
      return std::make_unique<WindowFrontend>(w, o);
    };
    return run_program(args, {in, out, err}, factory, 1234);
  }
  std::vector<std::string> out_lines() const {
    std::vector<std::string> lines;
    std::istringstream s(out.str());
    for (std::string line; std::getline(s, line);) lines.push_back(line);
    return lines;
  }

  std::ostringstream out, err;
};

TEST_F(GraphicsProgram, ComputerGameIsShownToTheEndAndWaitsForAKey) {
  key();  // waits in the queue until the game is over
  ASSERT_EQ(run({"-p1", "1", "-p2", "1"}), 0);
  EXPECT_EQ(err.str(), "");
  const std::vector<std::string> lines = out_lines();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.back().substr(0, 8), "Player1:");
  // Each move is logged once, and the board shows exactly the logged moves.
  GameState replay;
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    const std::string& line = lines[i];
    ASSERT_EQ(line.size(), 21u) << line;
    ASSERT_EQ(line.substr(0, 7), "Player ") << line;
    if (i > 0) {
      EXPECT_NE(line, lines[i - 1]);
    }
    const int p = line[7] - '0';
    const auto* code = reinterpret_cast<const unsigned char*>(line.data() + 16);
    const Move m = make_move(dec(code[0]), dec(code[1]), dec2(code[2]), dec(code[3]) + 1);
    setpiece(m, p, replay.field, replay.pieces_left[p], replay.score[p]);
  }
  EXPECT_EQ(lines.back(), result_line(replay.score[1], replay.score[2]).substr(0, 38));
  for (int r = 0; r < kBoardSize; ++r) {
    for (int c = 0; c < kBoardSize; ++c) {
      const Cell cell = replay.field.square(c, r);
      const Color want = cell == Cell::Owned1   ? player_color[0]
                         : cell == Cell::Owned2 ? player_color[1]
                                                : kEmptyGrey;
      EXPECT_EQ(w.point_color(cell_x(c), cell_y(r)), want) << c << "," << r;
    }
  }
  // The trays show what is left.
  for (int p = 1; p <= 2; ++p)
    for (int i = 0; i < kPieceCount; ++i)
      EXPECT_EQ(w.point_color(15 + 36 * (i % 7) + 12, tray_bottom(p) + 102 - 36 * (i / 7) - 12),
                replay.pieces_left[p][i] ? player_color[p - 1] : kBlack)
          << p << " " << i;
}

TEST_F(GraphicsProgram, HumanSeatPlaysWithTheMouseAndAKeyEndsTheGame) {
  click(slot_x(0), slot_y(1, 0));
  click(cell_x(4), cell_y(4));
  key();  // in player 1's second turn
  ASSERT_EQ(run({"-p1", "human", "-p2", "3"}), 0);
  const std::vector<std::string> lines = out_lines();
  ASSERT_EQ(lines.size(), 2u) << out.str();
  EXPECT_EQ(lines[0], "Player 1 plays [55a0]");
  EXPECT_EQ(lines[1].substr(0, 16), "Player 2 plays [");
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(w.point_color(cell_x(4), cell_y(4)), player_color[0]);
}

TEST_F(GraphicsProgram, ClosingTheWindowEndsTheProgramWithStatusZero) {
  w.post({InputEvent::Kind::Close});
  EXPECT_EQ(run({"-p1", "human", "-p2", "1"}), 0);
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace trevosk::testing
