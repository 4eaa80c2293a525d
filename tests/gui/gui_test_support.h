// What the window tests share: a headless window (SDL's dummy driver) and
// input posted through the system's queue, at points from the layout.
#pragma once

#include <gtest/gtest.h>

#include "gui/layout.h"
#include "gui/render.h"
#include "gui/sdl_window.h"

namespace trevosk::testing {

class WindowTest : public ::testing::Test {
 protected:
  void motion(Point p) { w.post({InputEvent::Kind::Motion, p.x, p.y}); }
  // A motion to p, a press and its release.
  void click(Point p) {
    motion(p);
    w.post({InputEvent::Kind::Press, p.x, p.y});
    w.post({InputEvent::Kind::Release, p.x, p.y});
  }
  void key() { w.post({InputEvent::Kind::Key, 0, 0, 'q'}); }
  void modifier_key(InputEvent::Modifier m) { w.post({InputEvent::Kind::Key, 0, 0, 0, m}); }
  Color at(Point p) const { return w.point_color(p.x, p.y); }

  SdlWindow w{kWindowSide, kWindowSide, "test"};
};

}  // namespace trevosk::testing
