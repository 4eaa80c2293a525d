#include "gui/window.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace trevosk {

namespace {

// Whether the angle (degrees, 0..360) lies on the arc from a1 to a2.
bool on_arc(double angle, int a1, int a2) {
  const int lo = std::min(a1, a2);
  const int span = std::abs(a2 - a1);
  if (span >= 360) return true;
  const int start = ((lo % 360) + 360) % 360;
  return (angle >= start && angle <= start + span) || angle + 360 <= start + span;
}

// The points of the first quadrant of an ellipse with radii rx, ry > 0, by
// the integer midpoint algorithm: from (0, ry) along the flat part while the
// slope is below one, then down to (rx, 0). Values are kept four times as
// large so that the half steps stay integers.
template <typename Visit>
void quarter_ellipse(int rx, int ry, Visit visit) {
  const long long rx2 = static_cast<long long>(rx) * rx;
  const long long ry2 = static_cast<long long>(ry) * ry;
  long long x = 0, y = ry;
  long long p = 4 * ry2 - 4 * rx2 * ry + rx2;
  while (ry2 * x < rx2 * y) {
    visit(static_cast<int>(x), static_cast<int>(y));
    if (p < 0) {
      p += 4 * ry2 * (2 * x + 3);
    } else {
      p += 4 * ry2 * (2 * x + 3) - 8 * rx2 * (y - 1);
      --y;
    }
    ++x;
  }
  p = ry2 * (2 * x + 1) * (2 * x + 1) + 4 * rx2 * (y - 1) * (y - 1) - 4 * rx2 * ry2;
  while (y >= 0) {
    visit(static_cast<int>(x), static_cast<int>(y));
    if (p > 0) {
      p += 4 * rx2 * (3 - 2 * y);
    } else {
      p += 4 * rx2 * (3 - 2 * y) + 8 * ry2 * (x + 1);
      ++x;
    }
    --y;
  }
}

}  // namespace

Window::Window(int width, int height)
    : width_(width), height_(height), frame_(static_cast<size_t>(width) * height, 0) {}

void Window::plot(int x, int y) {
  if (inside(x, y)) frame_[index(x, y)] = color_;
}

Color Window::point_color(int x, int y) const { return inside(x, y) ? frame_[index(x, y)] : 0; }

void Window::fill_rect(int x, int y, int w, int h) {
  const int x0 = std::max(x, 0), x1 = std::min(x + w, width_);
  const int y0 = std::max(y, 0), y1 = std::min(y + h, height_);
  for (int yy = y0; yy < y1; ++yy)
    std::fill_n(frame_.begin() + index(x0, yy), std::max(x1 - x0, 0), color_);
  changed();
}

void Window::draw_rect(int x, int y, int w, int h) {
  line(x, y, x + w, y);
  line(x + w, y, x + w, y + h);
  line(x + w, y + h, x, y + h);
  line(x, y + h, x, y);
  changed();
}

void Window::moveto(int x, int y) {
  pen_x_ = x;
  pen_y_ = y;
}

void Window::rlineto(int dx, int dy) {
  line(pen_x_, pen_y_, pen_x_ + dx, pen_y_ + dy);
  pen_x_ += dx;
  pen_y_ += dy;
  changed();
}

// Bresenham's line, both ends included.
void Window::line(int x0, int y0, int x1, int y1) {
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    plot(x0, y0);
    if (x0 == x1 && y0 == y1) return;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void Window::draw_arc(int x, int y, int rx, int ry, int a1, int a2) {
  if (rx <= 0 || ry <= 0) {
    line(x - std::max(rx, 0), y - std::max(ry, 0), x + std::max(rx, 0), y + std::max(ry, 0));
    changed();
    return;
  }
  // Each first-quadrant point stands for its four mirror images; a point is
  // kept when the direction from the centre lies on the arc.
  auto keep = [&](int dx, int dy) {
    double angle =
        std::atan2(static_cast<double>(dy), static_cast<double>(dx)) * 180.0 / std::numbers::pi;
    if (angle < 0) angle += 360.0;
    if (on_arc(angle, a1, a2)) plot(x + dx, y + dy);
  };
  quarter_ellipse(rx, ry, [&](int dx, int dy) {
    keep(dx, dy);
    keep(-dx, dy);
    keep(dx, -dy);
    keep(-dx, -dy);
  });
  changed();
}

Image Window::create_image(int w, int h) const {
  return Image{w, h, std::vector<Color>(static_cast<size_t>(w) * h, 0)};
}

void Window::save_image(Image& img, int x, int y) const {
  for (int row = 0; row < img.height; ++row) {
    const int wy = y + img.height - 1 - row;
    for (int col = 0; col < img.width; ++col)
      img.pixels[static_cast<size_t>(row) * img.width + col] = point_color(x + col, wy);
  }
}

void Window::draw_image(const Image& img, int x, int y) {
  for (int row = 0; row < img.height; ++row) {
    const int wy = y + img.height - 1 - row;
    for (int col = 0; col < img.width; ++col)
      if (inside(x + col, wy))
        frame_[index(x + col, wy)] = img.pixels[static_cast<size_t>(row) * img.width + col];
  }
  changed();
}

}  // namespace trevosk
