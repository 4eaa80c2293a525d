// trevosk-layout: prints where a target lies in the window, for scripts that
// click on it or read its pixels.
//
//   trevosk-layout TARGET...
//     square C R         the middle of board square column C, row R (row 0 at the top)
//     slot P I           the middle of piece I's slot (0..20) in player P's tray
//     control NAME       the middle of a control: mirror_left_right,
//                        mirror_top_bottom, turn_left or turn_right
//
// One line "X Y" per target, in X's coordinates: origin at the window's
// top-left corner, y downward.
#include <charconv>
#include <cstdio>
#include <optional>
#include <string_view>

#include "gui/layout.h"

namespace {

using trevosk::Control;
using trevosk::Point;

std::optional<int> number(std::string_view s) {
  int v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

std::optional<Control> control_named(std::string_view s) {
  if (s == "mirror_left_right") return Control::MirrorLeftRight;
  if (s == "mirror_top_bottom") return Control::MirrorTopBottom;
  if (s == "turn_left") return Control::TurnLeft;
  if (s == "turn_right") return Control::TurnRight;
  return std::nullopt;
}

int usage(const char* name) {
  std::fprintf(stderr,
               "usage: %s TARGET...\n"
               "  square C R | slot P I | control mirror_left_right|mirror_top_bottom|"
               "turn_left|turn_right\n",
               name);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage(argv[0]);
  for (int k = 1; k < argc;) {
    const std::string_view kind = argv[k];
    std::optional<Point> p;
    if ((kind == "square" || kind == "slot") && k + 2 < argc) {
      const std::optional<int> a = number(argv[k + 1]), b = number(argv[k + 2]);
      if (a && b && kind == "square") p = trevosk::square_point(*a, *b);
      if (a && b && kind == "slot" && (*a == 1 || *a == 2) && *b >= 0 && *b < 21)
        p = trevosk::slot_point(*a, *b);
      k += 3;
    } else if (kind == "control" && k + 1 < argc) {
      if (const std::optional<Control> c = control_named(argv[k + 1]))
        p = trevosk::control_point(*c);
      k += 2;
    }
    if (!p) return usage(argv[0]);
    std::printf("%d %d\n", p->x, trevosk::kWindowSide - 1 - p->y);
  }
  return 0;
}
