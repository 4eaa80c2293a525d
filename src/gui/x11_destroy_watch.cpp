#include "gui/x11_destroy_watch.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <atomic>

namespace trevosk {

namespace {

// Xlib calls its error handler with no user data: the watch is process-wide.
std::atomic<bool> g_destroyed{false};
::Window g_window = 0;
XErrorHandler g_previous_handler = nullptr;

// A request on our window that failed because the window no longer exists,
// or (once it is gone) on any window or drawable SDL still names.
bool about_a_gone_window(const XErrorEvent& e) {
  const bool no_such_window = e.error_code == BadWindow || e.error_code == BadDrawable;
  return no_such_window && (e.resourceid == g_window || g_destroyed);
}

int on_x_error(Display* display, XErrorEvent* e) {
  if (about_a_gone_window(*e)) {
    g_destroyed = true;
    return 0;
  }
  return g_previous_handler ? g_previous_handler(display, e) : 0;
}

// Every X event reaches SDL's queue as a window-manager event while they are
// enabled: only the destruction of our window is kept, to wake a waiting
// reader; the rest are dropped at once.
int keep_destroy_notify(void*, SDL_Event* e) {
  if (e->type != SDL_SYSWMEVENT) return 1;
  const SDL_SysWMmsg* m = e->syswm.msg;
  if (m->subsystem != SDL_SYSWM_X11 || m->msg.x11.event.type != DestroyNotify ||
      m->msg.x11.event.xdestroywindow.window != g_window)
    return 0;
  g_destroyed = true;
  return 1;
}

}  // namespace

void watch_for_foreign_destroy(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
  g_window = info.info.x11.window;
  g_previous_handler = XSetErrorHandler(on_x_error);
  SDL_SetEventFilter(keep_destroy_notify, nullptr);
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

bool destroyed_by_other_client() { return g_destroyed; }

}  // namespace trevosk
