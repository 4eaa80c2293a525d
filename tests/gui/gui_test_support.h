// What the window tests share: a headless window (SDL's dummy driver), input
// posted through the system's queue, and a move log that records.
#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "gui/render.h"
#include "gui/sdl_window.h"

namespace trevosk::testing {

class RecordingLog : public MoveLog {
 public:
  void move_played(int player, const Move& m) override { moves.emplace_back(player, m); }
  std::vector<std::pair<int, Move>> moves;
};

// Window coordinates of the middle of board cell (column c, row r).
constexpr int cell_x(int c) { return 18 * c + 26; }
constexpr int cell_y(int r) { return 368 - 18 * r; }
// The middle of piece i's slot in player p's tray.
constexpr int slot_x(int i) { return 15 + 36 * (i % 7) + 18; }
constexpr int slot_y(int p, int i) { return tray_bottom(p) + 108 - 36 * (i / 7) - 18; }

class WindowTest : public ::testing::Test {
 protected:
  void motion(int x, int y) { w.post({InputEvent::Kind::Motion, x, y}); }
  // A press and its release.
  void click(int x, int y) {
    w.post({InputEvent::Kind::Press, x, y});
    w.post({InputEvent::Kind::Release, x, y});
  }
  void key() { w.post({InputEvent::Kind::Key, 0, 0, 'q'}); }

  // Every pixel of the frame, row by row from the bottom.
  std::vector<Color> snapshot() const {
    std::vector<Color> all;
    for (int y = 0; y < w.height(); ++y)
      for (int x = 0; x < w.width(); ++x) all.push_back(w.point_color(x, y));
    return all;
  }

  SdlWindow w{500, 500, "test"};
};

}  // namespace trevosk::testing
