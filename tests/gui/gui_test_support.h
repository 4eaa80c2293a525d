// What the window tests share: a headless window (SDL's dummy driver) and
// input posted through the system's queue, at points from the layout.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

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

  // A window for each test; the tests stop at once when none can be opened.
  static std::unique_ptr<SdlWindow> open_window() {
    std::string error;
    std::unique_ptr<SdlWindow> w = SdlWindow::open(kWindowSide, kWindowSide, "test", error);
    if (!w) {
      std::fprintf(stderr, "%s\n", error.c_str());
      std::abort();
    }
    return w;
  }

  std::unique_ptr<SdlWindow> window_ = open_window();
  SdlWindow& w = *window_;
};

}  // namespace trevosk::testing
