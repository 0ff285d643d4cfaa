// What an X window manager is told about a screen's window: what the user may do with it and its
// title in every form window managers and tools read.
#pragma once

#include <string>

struct SDL_Window;

namespace metria {

// Before the window is shown: a fixed window that can be moved and closed, nothing else (Motif hints:
// no minimise, maximise or resize; border, title bar and window menu), and WM_NAME as UTF-8 (SDL
// writes it in the locale's encoding, which garbles Japanese in the C locale). Does nothing when
// SDL does not use X11.
void apply_window_hints(SDL_Window* window, const std::string& caption);

// After a move or a change of size: a window manager that offers full screen to every normal window (openbox
// does, whatever the hints say) may have put the fixed window in it; this asks it to take the window
// out again. Does nothing when the window is not in full screen or SDL does not use X11.
void leave_full_screen(SDL_Window* window);

}  // namespace metria
