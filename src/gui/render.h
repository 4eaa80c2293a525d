// Rendering of the window: the static ground with the board frame, the
// control panel and its four arrows; the board squares; the two piece trays;
// the status line. Where each goes is in gui/layout.h.
#pragma once

#include <array>

#include "gui/layout.h"
#include "gui/window.h"
#include "rules/board.h"
#include "rules/pieces_left.h"

namespace trevosk {

constexpr Color kBlack = 0x000000;      // ground and tray background
constexpr Color kFrameBlue = 0x0000FF;  // board and control-panel frames
constexpr Color kArrowWhite = 0xFFFFFF;
constexpr Color kEmptyGrey = 0x323232;  // an empty square
constexpr Color kTrayRed = 0xFF0000;    // tray frame
constexpr Color kStatusGreen = 0x00FF00;
// The colour of player p is player_color[p - 1].
constexpr std::array<Color, 2> player_color = {0xFF00FF, 0xFFFF00};

// The static ground: black, the blue frames of board and control panel, and
// the four white arrows of the controls.
void draw_ground(Window& w);

// Every board square: grey when empty, a ring on an uncovered start square,
// the owner's colour when covered.
void draw(Window& w, const Board& field);
// Player p's tray: the unused pieces, seven slots across and three up.
void draw_pieces(Window& w, const PiecesLeft& left, int player);
// "Turn-P%d / P1:%2d P2:%2d (%2d)" on a black box of the text's extent.
void draw_score(Window& w, int score1, int score2, int turn, int player);

}  // namespace trevosk
