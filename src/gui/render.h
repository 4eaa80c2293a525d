// Rendering of the window: the static ground with the board frame, the
// control panel and its four arrows; the board squares; the two piece trays;
// the status line.
//
// Layout (window coordinates, origin at the lower left): player 1's tray at
// the bottom, the board above it, player 2's tray at the top, the control
// panel at the right with the status line above it.
#pragma once

#include <array>

#include "gui/window.h"
#include "rules/board.h"
#include "rules/pieces_left.h"

namespace trevosk {

constexpr int start_radius = 8;  // ring marking a start cell
constexpr int cell_size = 16;    // side of a board square
constexpr int cell_gap = 1;      // offset of a square inside its grid cell
constexpr int cell_pitch = 18;   // distance between neighbouring board cells
constexpr int tray_square = 4;   // side of one square of a tray piece
constexpr int tray_pitch = 6;    // distance between neighbouring tray squares
constexpr int board_x0 = 0;      // origin of the board grid
constexpr int board_y0 = 108;
constexpr int ctrl_x0 = 290;  // lower-left corner of the control panel
constexpr int ctrl_y0 = 90;

constexpr Color kBlack = 0x000000;      // ground and tray background
constexpr Color kFrameBlue = 0x0000FF;  // board and control-panel frames
constexpr Color kArrowWhite = 0xFFFFFF;
constexpr Color kEmptyGrey = 0x323232;  // an empty square
constexpr Color kTrayRed = 0xFF0000;    // tray frame
constexpr Color kStatusGreen = 0x00FF00;
// The colour of player p is player_color[p - 1].
constexpr std::array<Color, 2> player_color = {0xFF00FF, 0xFFFF00};

// Lower edge of player p's tray; every tray is 252 x 108 from x = 15.
constexpr int tray_bottom(int player) { return player == 1 ? 5 : 390; }
// Where the status line's lower-left corner is.
constexpr int kStatusX = 310;
constexpr int kStatusY = 450;

// Lower-left corner of grid cell (i, j), i and j 1..14; board column c is
// grid column c + 1 and board row r grid row r + 1, row 0 at the top.
constexpr int mx(int i) { return board_x0 + cell_pitch * i; }
constexpr int my(int j) { return board_y0 + cell_pitch * (15 - j); }

void draw_cell(Window& w, int i, int j, Color c);
void draw_empty(Window& w, int i, int j);
// An empty square with a ring in the given colour.
void draw_start(Window& w, int i, int j, Color c);

// The static ground: black, the blue frames of board and control panel, and
// the four white arrows of the controls.
void draw_ground(Window& w);
void draw_yaji_yoko(Window& w);  // mirror left-right
void draw_yaji_tate(Window& w);  // mirror top-bottom
void draw_yaji_rotl(Window& w);  // turn left
void draw_yaji_rotr(Window& w);  // turn right

// Every board square: grey when empty, a ring on an uncovered start square,
// the owner's colour when covered.
void draw(Window& w, const Board& field);
// Player p's tray: the unused pieces, seven slots across and three up.
void draw_pieces(Window& w, const PiecesLeft& left, int player);
// "Turn-P%d / P1:%2d P2:%2d (%2d)" on a black box of the text's extent.
void draw_score(Window& w, int score1, int score2, int turn, int player);

}  // namespace trevosk
