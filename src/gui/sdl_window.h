// SdlWindow: the Window on SDL2, with text through SDL2_ttf in the system's
// monospace font (found through fontconfig).
//
// The frame is shown at most every 20 ms while drawing goes on, and always
// before a blocking wait, on show() and whenever the system asks for a
// repaint. A close of the window is noted whenever the frame is shown or
// input is looked at, and reported by closed() and every later wait.
#pragma once

#include <memory>
#include <string>

#include "gui/window.h"

union SDL_Event;

namespace trevosk {

// Test seam: input fed through the system's event queue by SdlWindow::post,
// for the tests that drive the window without a person (coordinates are
// window coordinates). The program never posts input.
struct InputEvent {
  enum class Kind { Motion, Press, Release, Key, Close, Expose };
  // A key event of a modifier key alone, in place of `key`.
  enum class Modifier { None, Shift, Ctrl, Alt };
  Kind kind;
  int x = 0;
  int y = 0;
  int key = ' ';
  Modifier modifier = Modifier::None;
};

class SdlWindow final : public Window {
 public:
  // Opens a width x height window with the given title; null, with the
  // reason in error, when no window or no font can be had.
  static std::unique_ptr<SdlWindow> open(int width, int height, const std::string& title,
                                         std::string& error);
  ~SdlWindow() override;

  TextSize text_size(std::string_view s) override;
  void draw_string(std::string_view s) override;
  WindowEvent wait_event() override;
  WindowEvent read_key() override;
  void show() override;
  bool closed() override;

  // Test seam: queues an input event as if the system had sent it. It stays
  // here because only this layer may speak SDL.
  void post(const InputEvent& e);

 protected:
  void changed() override;

 private:
  struct Sdl;
  SdlWindow(int width, int height);
  // Acquires SDL, the window and the font; false, with the reason, on failure.
  bool init(const std::string& title, std::string& error);
  // Takes the next event, showing the frame first when the queue is empty.
  void next_event(SDL_Event& e);
  // Repaints on expose and notes a close; true when the event was one of the
  // window's own.
  bool handle_window_event(const SDL_Event& e);
  // Updates the pointer and the held buttons from a mouse event.
  void track_mouse(const SDL_Event& e);
  WindowEvent pointer_event() const;
  void present();

  std::unique_ptr<Sdl> sdl_;
  bool dirty_ = true;
  uint64_t last_present_ms_ = 0;
  int pointer_x_ = 0;
  int pointer_y_ = 0;
  uint32_t buttons_held_ = 0;
  bool closed_ = false;
};

}  // namespace trevosk
