// The mouse entry driven by input posted to the window's event queue, as a
// person's pointer and keyboard would send it.
#include "gui/mouse_entry.h"

#include <random>

#include "gui_test_support.h"
#include "rules/pieces.h"

namespace trevosk::testing {
namespace {

class MouseEntryTest : public WindowTest {
 protected:
  MouseEntryTest() {
    draw_ground(w);
    redraw();
  }
  void redraw() {
    draw(w, game.board());
    draw_pieces(w, game.pieces_left(1), 1);
    draw_pieces(w, game.pieces_left(2), 2);
  }
  Move run() { return UserTurn(w, game).run(); }
  // Whether the 5 x 5 picture drawn at board scale from origin o shows piece
  // i in orientation rot, and nothing else, in the given colour.
  void expect_picture(Point o, int i, int rot, Color colour = player_color[0]) {
    for (int a = 0; a < 5; ++a) {
      for (int b = 0; b < 5; ++b) {
        const Point s = big_square_origin(o, a, b);
        const bool filled = piece_tables().piece_pic[i][rot][a][b] == '*';
        EXPECT_EQ(at({s.x + 8, s.y + 8}) == colour, filled) << a << "," << b;
      }
    }
  }

  Game game;
};

// Catches a control that changes the orientation the wrong way, a drop on
// the wrong square or one the rules refuse, a panel that shows another piece
// than the one dropped, and a modifier key alone taken for a key press.
TEST_F(MouseEntryTest, ControlsThenADropGiveTheMove) {
  click(slot_point(1, 3));  // the bent triomino "d"
  for (auto m :
       {InputEvent::Modifier::Shift, InputEvent::Modifier::Ctrl, InputEvent::Modifier::Alt})
    modifier_key(m);
  click(control_point(Control::TurnLeft));         // 0 -> 6
  click(control_point(Control::MirrorLeftRight));  // 6 -> 7
  click(control_point(Control::MirrorTopBottom));  // 7 -> 2
  click(control_point(Control::TurnRight));        // 2 -> 4
  click(square_point(10, 10));                     // misses the start square: refused
  click(square_point(4, 4));
  EXPECT_EQ(run(), make_move(4, 4, 3, 4));
  expect_picture(kPanelPieceOrigin, 3, 4);
}

// Catches player 2's piece drawn in player 1's colour, a press on the top
// pixel row of the board taken for none, and a drag with the button held
// that does not drop the piece at the first cell where it fits.
TEST_F(MouseEntryTest, PlayerTwoDragsItsPieceToTheFirstFitOnTheTopEdge) {
  GameState st;
  st.field.set_square(4, 4, Cell::Owned1);
  st.field.set_square(5, 1, Cell::Owned2);
  st.placed = {false, true, true};
  st.turn = 3;
  st.to_move = 2;
  game = Game(st);
  redraw();
  click(slot_point(2, 0));  // the monomino
  // Pressed on (8, 8) and held over (7, 3), both refused, then over the top
  // row of (4, 0) and over (6, 0), where it fits too.
  const Point top_edge{square_point(4, 0).x, kBoardBandTop - 1};
  motion(square_point(8, 8));
  w.post({InputEvent::Kind::Press, square_point(8, 8).x, square_point(8, 8).y});
  for (Point p : {square_point(7, 3), top_edge, square_point(6, 0)}) motion(p);
  w.post({InputEvent::Kind::Release, square_point(6, 0).x, square_point(6, 0).y});
  key();  // no move when nothing was dropped
  EXPECT_EQ(run(), make_move(4, 0, 0, 0));
  expect_picture(kPanelPieceOrigin, 0, 0, player_color[1]);
}

// Catches a press that does something where nothing should happen (another
// player's tray, a used piece, the margins, beyond the window), and a key or
// a close that does not end the turn without a move.
TEST_F(MouseEntryTest, StrayPressesDoNothingAndAKeyOrCloseGivesNoMove) {
  for (Move m : {make_move(4, 4, 0, 0), make_move(9, 9, 2, 0), make_move(5, 5, 1, 0)}) {
    ASSERT_TRUE(game.is_legal(m));
    game.play(m);
  }
  redraw();
  // Player 2, nothing selected. (10, 7) takes a monomino and (10, 12) the
  // used triomino: a press that picked either would end in a move.
  for (Point p :
       {square_point(10, 7), control_point(Control::TurnRight), slot_point(1, 0), slot_point(2, 2),
        Point{5, 200}, Point{100, 108}, Point{-30, 250}, Point{600, 600}, Point{250, -40},
        Point{200, 60}, Point{0, 0}, square_point(10, 7), square_point(10, 12)})
    click(p);
  w.post({InputEvent::Kind::Expose});  // a repaint asked for meanwhile
  key();
  EXPECT_TRUE(run().is_none());
  const Point panel = big_square_origin(kPanelPieceOrigin, 2, 2);  // every piece has it
  EXPECT_EQ(at({panel.x + 8, panel.y + 8}), kBlack);
  w.post({InputEvent::Kind::Close});
  EXPECT_TRUE(run().is_none());
  EXPECT_TRUE(w.closed());
  EXPECT_TRUE(run().is_none());  // every later wait reports the close
}

// Catches a picked piece that loses the place or the orientation of the one
// before, a dragged picture off the pointer's square, and panel squares left
// over from an earlier piece.
TEST_F(MouseEntryTest, AnotherPieceKeepsThePlaceAndTheOrientation) {
  UserTurn turn(w, game);
  turn.get_piece(15);  // "p"
  turn.get_ctrl(Control::TurnRight);
  turn.draw_piece(200, 250);
  const Point drag{turn.drag_x(), turn.drag_y()};
  turn.get_piece(17);  // "r"
  EXPECT_EQ(turn.sel_rot(), 2);
  EXPECT_EQ((Point{turn.drag_x(), turn.drag_y()}), drag);
  expect_picture(drag, 17, 2);
  // Its reference square covers exactly the square a press would drop it on.
  const Square s = *drop_square(200, 250);
  const Point o = square_origin(s.x, s.y);
  EXPECT_EQ(at(o), player_color[0]);
  EXPECT_EQ(at({o.x + kCellSize - 1, o.y + kCellSize - 1}), player_color[0]);
  // The lying straight pentomino fills the panel picture's first column up
  // to its left edge; the monomino after it leaves only its own square.
  const Point first_column = big_square_origin(kPanelPieceOrigin, 2, 0);
  turn.get_piece(9);
  EXPECT_EQ(at({first_column.x, first_column.y + 8}), player_color[0]);
  turn.get_piece(0);
  const Point low = big_square_origin(kPanelPieceOrigin, 4, 0);
  const Point high = big_square_origin(kPanelPieceOrigin, 0, 4);
  int shown = 0;
  for (int y = low.y; y < high.y + kCellSize; ++y)
    for (int x = low.x; x < high.x + kCellSize; ++x) shown += at({x, y}) != kBlack;
  EXPECT_EQ(shown, kCellSize * kCellSize);
}

// Catches a dragged picture that leaves squares behind: after any motion
// and a refused drop the frame is as before, the panel's piece aside.
TEST_F(MouseEntryTest, RapidMotionLeavesTheWindowAsItWas) {
  Image before = w.create_image(w.width(), w.height()), after = before;
  w.save_image(before, 0, 0);
  click(slot_point(1, 16));
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> coord(-60, 560);
  for (int i = 0; i < 2000; ++i) motion({coord(rng), coord(rng)});
  click(square_point(11, 11));  // refused: the dragged picture is erased
  key();
  EXPECT_TRUE(run().is_none());
  w.set_color(kBlack);  // the panel's piece area, black before
  w.fill_rect(kPanelPieceArea.x, kPanelPieceArea.y, kPanelPieceArea.w, kPanelPieceArea.h);
  w.save_image(after, 0, 0);
  EXPECT_TRUE(after.pixels == before.pixels);
}

}  // namespace
}  // namespace trevosk::testing
