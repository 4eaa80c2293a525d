#include "gui/sdl_window.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include "gui/x11_destroy_watch.h"

namespace trevosk {

namespace {

constexpr int kFontSize = 12;             // pixels per em
constexpr uint64_t kPresentEveryMs = 20;  // showing a frame costs a few ms

// The file of the system's "monospace" font, or "" when there is none.
std::string find_monospace_font() {
  std::string path;
  if (!FcInit()) return path;
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("monospace"));
  if (!pattern) return path;
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file)
      path = reinterpret_cast<const char*>(file);
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return path;
}

// Modifier and lock keys alone are no key press: switching windows with Alt
// must not end the game.
bool is_modifier(SDL_Scancode s) {
  return (s >= SDL_SCANCODE_LCTRL && s <= SDL_SCANCODE_RGUI) || s == SDL_SCANCODE_MODE ||
         s == SDL_SCANCODE_CAPSLOCK || s == SDL_SCANCODE_NUMLOCKCLEAR ||
         s == SDL_SCANCODE_SCROLLLOCK;
}

}  // namespace

// The SDL resources, released in reverse order of acquisition; a partly
// built one (a failed open) releases what it got.
struct SdlWindow::Sdl {
  bool video = false;
  bool ttf = false;
  SDL_Window* window = nullptr;
  TTF_Font* font = nullptr;

  ~Sdl() {
    if (font) TTF_CloseFont(font);
    if (ttf) TTF_Quit();
    // A window another client destroyed is left to the ending process: SDL
    // would close the display with Xlib's default error handler in place,
    // and the errors of its last requests on the window would end the
    // program with status 1.
    if (destroyed_by_other_client()) return;
    if (window) SDL_DestroyWindow(window);
    if (video) SDL_Quit();
  }
};

std::unique_ptr<SdlWindow> SdlWindow::open(int width, int height, const std::string& title,
                                           std::string& error) {
  std::unique_ptr<SdlWindow> w(new SdlWindow(width, height));
  if (!w->init(title, error)) return nullptr;
  return w;
}

SdlWindow::SdlWindow(int width, int height)
    : Window(width, height), sdl_(std::make_unique<Sdl>()) {}

bool SdlWindow::init(const std::string& title, std::string& error) {
  auto fail = [&](const std::string& why) {
    error = "cannot open the graphics window: " + why;
    return false;
  };
  // Only a real display will do: left to itself SDL would fall back to an
  // invisible window, and the game would wait for a key nobody can press. A
  // video driver named in SDL_VIDEODRIVER (the tests use "dummy") is taken
  // as it is.
  std::string where;  // the display asked for, for the error message
  if (!SDL_getenv("SDL_VIDEODRIVER")) {
    const char* wayland = SDL_getenv("WAYLAND_DISPLAY");
    const char* x11 = SDL_getenv("DISPLAY");
    if (!wayland && !x11) return fail("no display (neither DISPLAY nor WAYLAND_DISPLAY is set)");
    where = wayland ? wayland : x11;
    SDL_SetHint(SDL_HINT_VIDEODRIVER, wayland ? "wayland,x11" : "x11");
  }
  // Ctrl-C in the terminal keeps killing the program at once.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // The frame goes to the screen as it is, without a GPU renderer (which
  // would also replace the window once it is open).
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0)
    return fail(where.empty() ? SDL_GetError()
                              : "display " + where + " cannot be reached (" + SDL_GetError() + ")");
  sdl_->video = true;
  sdl_->window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                  width(), height(), 0);
  if (!sdl_->window) return fail(SDL_GetError());
  watch_for_foreign_destroy(sdl_->window);
  if (TTF_Init() != 0) return fail(TTF_GetError());
  sdl_->ttf = true;
  const std::string font_file = find_monospace_font();
  if (font_file.empty()) return fail("no monospace font found through fontconfig");
  sdl_->font = TTF_OpenFont(font_file.c_str(), kFontSize);
  if (!sdl_->font) return fail(TTF_GetError());
  // Two-colour glyphs with mono hinting: the same pixels on every run.
  TTF_SetFontHinting(sdl_->font, TTF_HINTING_MONO);
  return true;
}

SdlWindow::~SdlWindow() = default;

TextSize SdlWindow::text_size(std::string_view s) {
  const std::string text(s);
  TextSize size;
  if (TTF_SizeUTF8(sdl_->font, text.c_str(), &size.width, &size.height) != 0) return {};
  return size;
}

void SdlWindow::draw_string(std::string_view s) {
  const std::string text(s);
  // Rendering an empty string gives no surface: nothing to draw.
  SDL_Surface* glyphs =
      text.empty() ? nullptr
                   : TTF_RenderUTF8_Solid(sdl_->font, text.c_str(), SDL_Color{255, 255, 255, 255});
  if (!glyphs) return;
  // An 8-bit surface whose index 0 is the background.
  SDL_LockSurface(glyphs);
  const auto* pixels = static_cast<const uint8_t*>(glyphs->pixels);
  const int x0 = current_x(), y0 = current_y();
  for (int row = 0; row < glyphs->h; ++row)
    for (int col = 0; col < glyphs->w; ++col)
      if (pixels[row * glyphs->pitch + col] != 0) plot(x0 + col, y0 + glyphs->h - 1 - row);
  SDL_UnlockSurface(glyphs);
  moveto(x0 + glyphs->w, y0);
  SDL_FreeSurface(glyphs);
  changed();
}

void SdlWindow::changed() {
  dirty_ = true;
  if (SDL_GetTicks64() - last_present_ms_ >= kPresentEveryMs) present();
}

void SdlWindow::show() { present(); }

// Copies the frame to the window, then notes a close request that has
// arrived meanwhile (for example while a computer player was thinking).
void SdlWindow::present() {
  if (SDL_Surface* surface = SDL_GetWindowSurface(sdl_->window)) {
    SDL_LockSurface(surface);
    SDL_ConvertPixels(width(), height(), SDL_PIXELFORMAT_RGB888, frame().data(), width() * 4,
                      surface->format->format, surface->pixels, surface->pitch);
    SDL_UnlockSurface(surface);
    SDL_UpdateWindowSurface(sdl_->window);
  }
  dirty_ = false;
  last_present_ms_ = SDL_GetTicks64();
  closed();
}

bool SdlWindow::closed() {
  SDL_PumpEvents();
  SDL_Event e;
  if (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_QUIT, SDL_QUIT) > 0) closed_ = true;
  if (destroyed_by_other_client()) closed_ = true;
  return closed_;
}

void SdlWindow::next_event(SDL_Event& e) {
  if (SDL_PollEvent(&e)) return;
  if (dirty_) present();
  while (!SDL_WaitEvent(&e)) {
  }
}

bool SdlWindow::handle_window_event(const SDL_Event& e) {
  if (e.type == SDL_QUIT || e.type == SDL_SYSWMEVENT) {
    // The only window-manager event let through: another client destroyed
    // the window.
    closed_ = true;
    return true;
  }
  if (e.type != SDL_WINDOWEVENT) return false;
  if (e.window.event == SDL_WINDOWEVENT_CLOSE) closed_ = true;
  if (e.window.event == SDL_WINDOWEVENT_EXPOSED) present();
  return true;
}

void SdlWindow::track_mouse(const SDL_Event& e) {
  switch (e.type) {
    case SDL_MOUSEMOTION:
      pointer_x_ = e.motion.x;
      pointer_y_ = height() - 1 - e.motion.y;
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      pointer_x_ = e.button.x;
      pointer_y_ = height() - 1 - e.button.y;
      if (e.type == SDL_MOUSEBUTTONDOWN)
        buttons_held_ |= SDL_BUTTON(e.button.button);
      else
        buttons_held_ &= ~SDL_BUTTON(e.button.button);
      break;
  }
}

WindowEvent SdlWindow::pointer_event() const {
  return WindowEvent{WindowEvent::Kind::Pointer, pointer_x_, pointer_y_, buttons_held_ != 0, 0};
}

WindowEvent SdlWindow::wait_event() {
  for (;;) {
    if (closed_) return WindowEvent{WindowEvent::Kind::Quit};
    SDL_Event e;
    next_event(e);
    if (handle_window_event(e)) continue;
    switch (e.type) {
      case SDL_MOUSEMOTION:
      case SDL_MOUSEBUTTONDOWN:
        track_mouse(e);
        return pointer_event();
      case SDL_MOUSEBUTTONUP:
        track_mouse(e);
        break;
      case SDL_KEYDOWN:
        if (!is_modifier(e.key.keysym.scancode)) {
          WindowEvent k = pointer_event();
          k.kind = WindowEvent::Kind::Key;
          k.key = e.key.keysym.sym;
          return k;
        }
        break;
    }
  }
}

WindowEvent SdlWindow::read_key() {
  for (;;) {
    const WindowEvent e = wait_event();
    if (e.kind != WindowEvent::Kind::Pointer) return e;
  }
}

void SdlWindow::post(const InputEvent& in) {
  SDL_Event e{};
  const int sdl_y = height() - 1 - in.y;
  const uint32_t id = SDL_GetWindowID(sdl_->window);
  switch (in.kind) {
    case InputEvent::Kind::Motion:
      e.type = SDL_MOUSEMOTION;
      e.motion.windowID = id;
      e.motion.state = buttons_held_;
      e.motion.x = in.x;
      e.motion.y = sdl_y;
      break;
    case InputEvent::Kind::Press:
    case InputEvent::Kind::Release:
      e.type = in.kind == InputEvent::Kind::Press ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
      e.button.windowID = id;
      e.button.button = SDL_BUTTON_LEFT;
      e.button.state = in.kind == InputEvent::Kind::Press ? SDL_PRESSED : SDL_RELEASED;
      e.button.clicks = 1;
      e.button.x = in.x;
      e.button.y = sdl_y;
      break;
    case InputEvent::Kind::Key:
      e.type = SDL_KEYDOWN;
      e.key.windowID = id;
      e.key.state = SDL_PRESSED;
      if (in.modifier == InputEvent::Modifier::None) {
        e.key.keysym.sym = in.key;
        e.key.keysym.scancode = SDL_GetScancodeFromKey(in.key);
      } else {
        e.key.keysym.scancode = in.modifier == InputEvent::Modifier::Shift  ? SDL_SCANCODE_LSHIFT
                                : in.modifier == InputEvent::Modifier::Ctrl ? SDL_SCANCODE_LCTRL
                                                                            : SDL_SCANCODE_LALT;
        e.key.keysym.sym = SDL_GetKeyFromScancode(e.key.keysym.scancode);
      }
      break;
    case InputEvent::Kind::Close:
    case InputEvent::Kind::Expose:
      e.type = SDL_WINDOWEVENT;
      e.window.windowID = id;
      e.window.event =
          in.kind == InputEvent::Kind::Close ? SDL_WINDOWEVENT_CLOSE : SDL_WINDOWEVENT_EXPOSED;
      break;
  }
  SDL_PushEvent(&e);
}

}  // namespace trevosk
