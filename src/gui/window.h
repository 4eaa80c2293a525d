// Window: the drawing surface of the graphics mode.
//
// A 32-bit frame buffer of the window's size is the single truth: every
// drawing operation writes into it, saving into an image reads it back, and
// the platform layer shows it. Coordinates are pixels with the origin at the
// lower-left corner, x to the right and y upward. One current colour serves
// lines, fills and text; one current point serves relative lines and text.
//
// What needs the platform (the font, events, putting the frame on screen) is
// virtual; SdlWindow is the implementation. No platform type appears here.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace trevosk {

using Color = uint32_t;  // 0xRRGGBB

// An off-screen pixel rectangle; row 0 is its top row.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<Color> pixels;
};

// What a wait for input reports, free of any platform type: the window was
// closed, a key was pressed, or the pointer moved or a button was pressed
// (with the pointer in window coordinates and whether a button is held).
struct WindowEvent {
  enum class Kind : uint8_t { Quit, Key, Pointer };
  Kind kind = Kind::Pointer;
  int x = 0;
  int y = 0;
  bool button = false;
  int key = 0;
};

struct TextSize {
  int width = 0;
  int height = 0;
};

class Window {
 public:
  Window(int width, int height);
  virtual ~Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }

  void set_color(Color c) { color_ = c; }
  // Fills w x h pixels whose lower-left pixel is (x, y).
  void fill_rect(int x, int y, int w, int h);
  // A one-pixel outline through the corners (x, y) and (x + w, y + h).
  void draw_rect(int x, int y, int w, int h);

  void moveto(int x, int y);
  void rmoveto(int dx, int dy) { moveto(pen_x_ + dx, pen_y_ + dy); }
  // A one-pixel line from the current point to the point displaced by
  // (dx, dy), both ends included; the end becomes the current point.
  void rlineto(int dx, int dy);
  void lineto(int x, int y) { rlineto(x - pen_x_, y - pen_y_); }
  int current_x() const { return pen_x_; }
  int current_y() const { return pen_y_; }

  // A one-pixel arc of the ellipse centred at (x, y) with radii rx and ry,
  // from angle a1 to a2 in degrees, counterclockwise from the positive x
  // axis; a span of 360 degrees or more is the whole ellipse.
  void draw_arc(int x, int y, int rx, int ry, int a1, int a2);

  // Width and height of s in the window's font.
  virtual TextSize text_size(std::string_view s) = 0;
  // Draws s in the current colour with its lower-left corner at the current
  // point, which then moves right by the text's width.
  virtual void draw_string(std::string_view s) = 0;

  Image create_image(int w, int h) const;
  // Copies the frame's rectangle of img's size with lower-left corner (x, y)
  // into img; parts past the window's edges read as black.
  void save_image(Image& img, int x, int y) const;
  // Paints img with its lower-left corner at (x, y), clipped to the window.
  void draw_image(const Image& img, int x, int y);

  // Blocks until a button press, a key press, a pointer motion or the
  // window's close. Motion with a button held reports button true; a release
  // is no event. Once the window is closed every wait reports Quit.
  virtual WindowEvent wait_event() = 0;
  // Blocks until a key is pressed or the window is closed (mouse input is
  // ignored) and reports which.
  virtual WindowEvent read_key() = 0;
  // Puts the frame on screen now, for example before a long computation.
  virtual void show() = 0;
  // Whether the window has been closed; looks at the input that has arrived
  // without waiting.
  virtual bool closed() = 0;

  // The frame's pixel at (x, y); black outside the window.
  Color point_color(int x, int y) const;

 protected:
  // Sets one pixel in the current colour; pixels outside are dropped.
  void plot(int x, int y);
  // Called after every drawing operation, so that the platform can show
  // the frame (at a rate of its choosing).
  virtual void changed() {}
  // The frame, row 0 at the top.
  const std::vector<Color>& frame() const { return frame_; }

 private:
  int index(int x, int y) const { return (height_ - 1 - y) * width_ + x; }
  bool inside(int x, int y) const { return x >= 0 && x < width_ && y >= 0 && y < height_; }
  void line(int x0, int y0, int x1, int y1);

  int width_;
  int height_;
  std::vector<Color> frame_;
  Color color_ = 0;
  int pen_x_ = 0;
  int pen_y_ = 0;
};

}  // namespace trevosk
