// What the X library does with an error report from the server.
#pragma once

namespace metria {

// Xlib's own handler ends the process on any error report, including the harmless one for a
// request that names a window just destroyed. SDL sends such requests itself: while it waits for
// events it wakes itself with a message sent to a window over a second connection, and a close
// request handled in that wait lets the window go before the server has seen the message. The
// error is read only when SDL_Quit closes that connection, after SDL has put back the handler it
// found at SDL_Init. So this must run before SDL_Init: what SDL saves and puts back is then ours.
// Reports are written to stderr (a window already gone is not worth a line) and the program goes
// on. Does nothing where there is no libX11.
void keep_running_on_x11_errors();

}  // namespace metria
