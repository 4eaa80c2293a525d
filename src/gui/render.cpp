#include "gui/render.h"

#include <cstdio>
#include <initializer_list>

#include "rules/pieces.h"

namespace trevosk {

namespace {

// One stroke: a pen line through the points in order.
void stroke(Window& w, std::initializer_list<Point> points) {
  const Point* p = points.begin();
  w.moveto(p->x, p->y);
  for (++p; p != points.end(); ++p) w.lineto(p->x, p->y);
}

// The arrowhead shared by the two turning arrows, pointing down.
void down_head(Window& w, int x, int y) { stroke(w, {{x, y}, {x + 10, y - 10}, {x + 20, y}}); }

void draw_cell(Window& w, int c, int r, Color k) {
  const Point o = square_origin(c, r);
  w.set_color(k);
  w.fill_rect(o.x, o.y, kCellSize, kCellSize);
}

void draw_empty(Window& w, int c, int r) { draw_cell(w, c, r, kEmptyGrey); }

// An empty square with a ring in the given colour.
void draw_start(Window& w, int c, int r, Color k) {
  draw_empty(w, c, r);
  const Point o = ring_centre(c, r);
  w.set_color(k);
  w.draw_arc(o.x, o.y, kStartRadius, kStartRadius, 0, 360);
}

void draw_mirror_left_right(Window& w) {
  const auto [x, y] = arrow_anchor(Control::MirrorLeftRight);
  stroke(w, {{x, y}, {x - 10, y + 10}, {x, y + 20}});
  stroke(w, {{x - 10, y + 10}, {x + 40, y + 10}});
  stroke(w, {{x + 30, y}, {x + 40, y + 10}, {x + 30, y + 20}});
}

void draw_mirror_top_bottom(Window& w) {
  const auto [x, y] = arrow_anchor(Control::MirrorTopBottom);
  stroke(w, {{x, y}, {x + 10, y - 10}, {x + 20, y}});
  stroke(w, {{x + 10, y - 10}, {x + 10, y + 40}});
  stroke(w, {{x, y + 30}, {x + 10, y + 40}, {x + 20, y + 30}});
}

// The arc ends at the arrowhead's tip and sweeps counterclockwise.
void draw_turn_left(Window& w) {
  const auto [x, y] = arrow_anchor(Control::TurnLeft);
  down_head(w, x, y);
  w.draw_arc(x + 50, y - 10, 40, 40, 90, 180);
}

// The mirror image of the left turn: the arc sweeps clockwise.
void draw_turn_right(Window& w) {
  const auto [x, y] = arrow_anchor(Control::TurnRight);
  down_head(w, x, y);
  w.draw_arc(x - 30, y - 10, 40, 40, 0, 90);
}

void outline(Window& w, const Rect& r) { w.draw_rect(r.x, r.y, r.w, r.h); }

}  // namespace

void draw_ground(Window& w) {
  w.set_color(kBlack);
  w.fill_rect(0, 0, w.width(), w.height());
  w.set_color(kFrameBlue);
  outline(w, kBoardFrame);
  outline(w, kPanel);
  w.set_color(kArrowWhite);
  draw_mirror_left_right(w);
  draw_mirror_top_bottom(w);
  draw_turn_left(w);
  draw_turn_right(w);
}

void draw(Window& w, const Board& field) {
  for (int c = 0; c < kBoardSize; ++c) {
    for (int r = 0; r < kBoardSize; ++r) {
      switch (field.square(c, r)) {
        case Cell::Empty:
          draw_empty(w, c, r);
          break;
        case Cell::Start1:
          draw_start(w, c, r, player_color[0]);
          break;
        case Cell::Start2:
          draw_start(w, c, r, player_color[1]);
          break;
        case Cell::Owned1:
          draw_cell(w, c, r, player_color[0]);
          break;
        case Cell::Owned2:
          draw_cell(w, c, r, player_color[1]);
          break;
        case Cell::Outside:
          break;
      }
    }
  }
}

void draw_pieces(Window& w, const PiecesLeft& left, int player) {
  const Rect tray = tray_rect(player);
  w.set_color(kBlack);
  w.fill_rect(tray.x, tray.y, tray.w, tray.h);
  w.set_color(kTrayRed);
  outline(w, tray);
  w.set_color(player_color[player - 1]);
  const PieceTables& tables = piece_tables();
  for (int i = 0; i < kPieceCount; ++i) {
    if (!left[i]) continue;  // a placed piece leaves its slot black
    const Picture& pic = tables.piece_pic[i][0];
    for (int a = 0; a < 5; ++a) {
      for (int b = 0; b < 5; ++b) {
        if (pic[a][b] != '*') continue;
        const Point o = tray_square_origin(player, i, a, b);
        w.fill_rect(o.x, o.y, kTraySquare, kTraySquare);
      }
    }
  }
}

void draw_score(Window& w, int score1, int score2, int turn, int player) {
  char text[64];
  std::snprintf(text, sizeof text, "Turn-P%d / P1:%2d P2:%2d (%2d)", player, score1, score2, turn);
  const TextSize size = w.text_size(text);
  w.set_color(kBlack);
  w.fill_rect(kStatusPoint.x, kStatusPoint.y, size.width, size.height);
  w.set_color(kStatusGreen);
  w.moveto(kStatusPoint.x, kStatusPoint.y);
  w.draw_string(text);
}

}  // namespace trevosk
