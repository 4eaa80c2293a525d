// Another X client may destroy the program's window (`xdotool windowclose`,
// a window manager's "kill"). Xlib's default error handler would then end the
// program with status 1 at SDL's next request on the window; this watch
// ignores those errors and notes the destruction, so the program ends as for
// an ordinary close. Other video drivers need nothing: it does nothing there.
#pragma once

struct SDL_Window;

namespace trevosk {

// Starts watching window (one per process, after it is created).
void watch_for_foreign_destroy(SDL_Window* window);

// Whether another client has destroyed the watched window.
bool destroyed_by_other_client();

}  // namespace trevosk
