// The mouse entry driven by input posted to the window's event queue, as a
// person's pointer and keyboard would send it.
#include "gui/mouse_entry.h"

#include <random>

#include "game/program.h"
#include "gui_test_support.h"
#include "rules/pieces.h"

namespace trevosk::testing {
namespace {

// The four controls, in window coordinates.
constexpr std::pair<int, int> kMirrorLeftRight{400, 210};
constexpr std::pair<int, int> kMirrorTopBottom{310, 130};
constexpr std::pair<int, int> kTurnLeft{320, 200};
constexpr std::pair<int, int> kTurnRight{450, 200};

class MouseEntryTest : public WindowTest {
 protected:
  MouseEntryTest() {
    draw_ground(w);
    redraw();
  }
  void redraw() {
    draw(w, game.field);
    draw_pieces(w, game.pieces_left[1], 1);
    draw_pieces(w, game.pieces_left[2], 2);
  }
  using WindowTest::click;
  void click(std::pair<int, int> at) { click(at.first, at.second); }
  // Runs one turn that must end the program (by a key or a close) and
  // change nothing.
  void expect_program_end(int player, int turn) {
    const GameState before = game;
    try {
      play_user(w, game, player, turn, log);
      ADD_FAILURE() << "the turn ended without ending the program";
    } catch (const EndProgram& e) {
      EXPECT_EQ(e.status, 0);
    }
    EXPECT_EQ(game.field, before.field);
    EXPECT_EQ(game.pieces_left[1], before.pieces_left[1]);
    EXPECT_EQ(game.pieces_left[2], before.pieces_left[2]);
    EXPECT_EQ(game.score, before.score);
    EXPECT_TRUE(log.moves.empty());
  }

  GameState game;
  RecordingLog log;
};

TEST_F(MouseEntryTest, EachControlChangesTheOrientationAndADropPlaces) {
  click(slot_x(3), slot_y(1, 3));  // the bent triomino "d"
  click(kTurnLeft);                // 0 -> 6
  click(kMirrorLeftRight);         // 6 -> 7
  click(kMirrorTopBottom);         // 7 -> 2
  click(kTurnRight);               // 2 -> 4
  click(cell_x(10), cell_y(10));   // misses the start square: refused
  click(cell_x(4), cell_y(4));
  MouseEntry(w, log).play(game, 1, 1);

  ASSERT_EQ(log.moves.size(), 1u);
  EXPECT_EQ(log.moves[0].first, 1);
  EXPECT_EQ(log.moves[0].second, make_move(4, 4, 3, 4));
  EXPECT_FALSE(game.pieces_left[1][3]);
  EXPECT_EQ(game.score[1], 3);
  EXPECT_EQ(game.field.square(4, 4), Cell::Owned1);
  EXPECT_FALSE(game.first_move[1]);
  // The control panel shows the piece as it was dropped.
  const Picture& pic = piece_tables().piece_pic[3][4];
  for (int a = 0; a < 5; ++a)
    for (int b = 0; b < 5; ++b)
      EXPECT_EQ(w.point_color(362 + 18 * b + 8, 163 - 18 * a + 8),
                pic[a][b] == '*' ? player_color[0] : kBlack)
          << a << "," << b;
}

TEST_F(MouseEntryTest, KeyOrCloseEndsTheProgramAndChangesNothing) {
  click(slot_x(5), slot_y(1, 5));
  key();
  click(cell_x(4), cell_y(4));  // never reached
  expect_program_end(1, 1);
  w.post({InputEvent::Kind::Close});
  expect_program_end(1, 1);
}

TEST_F(MouseEntryTest, InputOutsideEveryRegionOrOnUsedPiecesChangesNothing) {
  int score = 0;
  setpiece(make_move(9, 9, 2, 0), 2, game.field, game.pieces_left[2], score);
  game.score[2] = score;
  redraw();
  // Player 2 with nothing selected: presses on the board, the controls,
  // player 1's tray, its own used piece, the margins and beyond the window.
  for (auto [x, y] : {std::pair{cell_x(9), cell_y(8)},
                      kTurnRight,
                      kMirrorLeftRight,
                      {slot_x(4), slot_y(1, 4)},
                      {slot_x(2), slot_y(2, 2)},
                      {5, 200},
                      {100, 108},
                      {-30, 250},
                      {600, 600},
                      {250, -40},
                      {200, 60},
                      {0, 0}}) {
    motion(x, y);
    click(x, y);
  }
  w.post({InputEvent::Kind::Expose});  // a repaint asked for meanwhile
  // Then its used piece once more, and a drop where the monomino would fit.
  click(slot_x(2), slot_y(2, 2));
  click(cell_x(10), cell_y(7));
  key();
  expect_program_end(2, 2);

  // A tray press that maps to no slot (below the tray rows) selects nothing.
  UserTurn turn(w, game, 2, 2, log);
  turn.get_piece(slot_x(0), 144 + 10);
  EXPECT_EQ(turn.sel_piece(), -1);
  turn.get_piece(slot_x(4), slot_y(2, 4) - 378);
  EXPECT_EQ(turn.sel_piece(), 4);
}

TEST_F(MouseEntryTest, RapidMotionLeavesTheBoardAsItWas) {
  const std::vector<Color> before = snapshot();
  click(slot_x(16), slot_y(1, 16));
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> coord(-60, 560);
  for (int i = 0; i < 3000; ++i) motion(coord(rng), coord(rng));
  click(cell_x(11), cell_y(11));  // refused: the dragged picture is erased
  key();
  expect_program_end(1, 1);
  // Everything but the control panel's piece is back as it was.
  const std::vector<Color> after = snapshot();
  for (int y = 0; y < 500; ++y) {
    for (int x = 0; x < 500; ++x) {
      const bool control_piece = x >= 362 && x <= 459 && y >= 91 && y <= 180;
      if (control_piece) continue;
      ASSERT_EQ(after[y * 500 + x], before[y * 500 + x]) << x << "," << y;
    }
  }
}

TEST_F(MouseEntryTest, AnotherPieceKeepsThePlaceAndTheOrientation) {
  UserTurn turn(w, game, 1, 1, log);
  turn.get_piece(slot_x(15), slot_y(1, 15));  // "p"
  turn.get_ctrl(kTurnRight.first - ctrl_x0, kTurnRight.second - ctrl_y0);
  turn.draw_piece(200, 250);
  const int x0 = turn.drag_x(), y0 = turn.drag_y();
  EXPECT_EQ(x0, 18 * (199 / 18) - 35);
  EXPECT_EQ(y0, 18 * (249 / 18) - 53);
  turn.get_piece(slot_x(17), slot_y(1, 17));  // "r"
  EXPECT_EQ(turn.sel_piece(), 17);
  EXPECT_EQ(turn.sel_rot(), 2);
  EXPECT_EQ(turn.drag_x(), x0);
  EXPECT_EQ(turn.drag_y(), y0);
  // Only the new piece's squares are drawn there.
  const PieceTables& t = piece_tables();
  for (int a = 0; a < 5; ++a) {
    for (int b = 0; b < 5; ++b) {
      const Color at = w.point_color(x0 + 18 * b + 8, y0 + 90 - 18 * a + 8);
      if (t.piece_pic[17][2][a][b] == '*')
        EXPECT_EQ(at, player_color[0]) << a << "," << b;
      else
        EXPECT_NE(at, player_color[0]) << a << "," << b;
    }
  }
  // The control panel loses every square of the piece it showed before,
  // also those of the picture's first column.
  const int first_column_x = 362 + 8, middle_row_y = 163 - 36 + 8;
  turn.get_piece(slot_x(9), slot_y(1, 9));  // the straight pentomino, lying
  EXPECT_EQ(w.point_color(first_column_x, middle_row_y), player_color[0]);
  turn.get_piece(slot_x(0), slot_y(1, 0));
  EXPECT_EQ(w.point_color(first_column_x, middle_row_y), kBlack);
}

}  // namespace
}  // namespace trevosk::testing
