#include "gui/render.h"

#include <cstdio>
#include <initializer_list>
#include <utility>

#include "rules/pieces.h"

namespace trevosk {

namespace {

using Point = std::pair<int, int>;

// One stroke: a pen line through the points in order.
void stroke(Window& w, std::initializer_list<Point> points) {
  const Point* p = points.begin();
  w.moveto(p->first, p->second);
  for (++p; p != points.end(); ++p) w.lineto(p->first, p->second);
}

// The arrowhead shared by the two turning arrows, pointing down.
void down_head(Window& w, int x, int y) { stroke(w, {{x, y}, {x + 10, y - 10}, {x + 20, y}}); }

}  // namespace

void draw_cell(Window& w, int i, int j, Color c) {
  w.set_color(c);
  w.fill_rect(mx(i) + cell_gap, my(j) + cell_gap, cell_size, cell_size);
}

void draw_empty(Window& w, int i, int j) { draw_cell(w, i, j, kEmptyGrey); }

void draw_start(Window& w, int i, int j, Color c) {
  draw_empty(w, i, j);
  w.set_color(c);
  w.draw_arc(mx(i) + 9, my(j) + 9, start_radius, start_radius, 0, 360);
}

void draw_yaji_yoko(Window& w) {
  const int x = 380, y = 200;
  stroke(w, {{x, y}, {x - 10, y + 10}, {x, y + 20}});
  stroke(w, {{x - 10, y + 10}, {x + 40, y + 10}});
  stroke(w, {{x + 30, y}, {x + 40, y + 10}, {x + 30, y + 20}});
}

void draw_yaji_tate(Window& w) {
  const int x = 300, y = 120;
  stroke(w, {{x, y}, {x + 10, y - 10}, {x + 20, y}});
  stroke(w, {{x + 10, y - 10}, {x + 10, y + 40}});
  stroke(w, {{x, y + 30}, {x + 10, y + 40}, {x + 20, y + 30}});
}

// The arc ends at the arrowhead's tip and sweeps counterclockwise.
void draw_yaji_rotl(Window& w) {
  const int x = 300, y = 180;
  down_head(w, x, y);
  w.draw_arc(x + 50, y - 10, 40, 40, 90, 180);
}

// The mirror image of the left turn: the arc sweeps clockwise.
void draw_yaji_rotr(Window& w) {
  const int x = 460, y = 180;
  down_head(w, x, y);
  w.draw_arc(x - 30, y - 10, 40, 40, 0, 90);
}

void draw_ground(Window& w) {
  w.set_color(kBlack);
  w.fill_rect(0, 0, w.width(), w.height());
  w.set_color(kFrameBlue);
  w.draw_rect(16, 124, 255, 255);
  w.draw_rect(ctrl_x0, ctrl_y0, 200, 150);
  w.set_color(kArrowWhite);
  draw_yaji_yoko(w);
  draw_yaji_tate(w);
  draw_yaji_rotl(w);
  draw_yaji_rotr(w);
}

void draw(Window& w, const Board& field) {
  for (int i = 1; i <= kBoardSize; ++i) {
    for (int j = 1; j <= kBoardSize; ++j) {
      switch (field.square(i - 1, j - 1)) {
        case Cell::Empty:
          draw_empty(w, i, j);
          break;
        case Cell::Start1:
          draw_start(w, i, j, player_color[0]);
          break;
        case Cell::Start2:
          draw_start(w, i, j, player_color[1]);
          break;
        case Cell::Owned1:
          draw_cell(w, i, j, player_color[0]);
          break;
        case Cell::Owned2:
          draw_cell(w, i, j, player_color[1]);
          break;
        case Cell::Outside:
          break;
      }
    }
  }
}

void draw_pieces(Window& w, const PiecesLeft& left, int player) {
  const int t = tray_bottom(player);
  w.set_color(kBlack);
  w.fill_rect(15, t, 252, 108);
  w.set_color(kTrayRed);
  w.draw_rect(15, t, 252, 108);
  w.set_color(player_color[player - 1]);
  const PieceTables& tables = piece_tables();
  for (int i = 0; i < kPieceCount; ++i) {
    if (!left[i]) continue;  // a placed piece leaves its slot black
    const Picture& pic = tables.piece_pic[i][0];
    for (int a = 0; a < 5; ++a)
      for (int b = 0; b < 5; ++b)
        if (pic[a][b] == '*')
          w.fill_rect(15 + 36 * (i % 7) + tray_pitch * b, t + 102 - 36 * (i / 7) - tray_pitch * a,
                      tray_square, tray_square);
  }
}

void draw_score(Window& w, int score1, int score2, int turn, int player) {
  char text[64];
  std::snprintf(text, sizeof text, "Turn-P%d / P1:%2d P2:%2d (%2d)", player, score1, score2, turn);
  const TextSize size = w.text_size(text);
  w.set_color(kBlack);
  w.fill_rect(kStatusX, kStatusY, size.width, size.height);
  w.set_color(kStatusGreen);
  w.moveto(kStatusX, kStatusY);
  w.draw_string(text);
}

}  // namespace trevosk
