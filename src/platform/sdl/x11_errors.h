// What the X library does with an error report from the server.
#pragma once

namespace metria {

// Xlib's own handler ends the process on any error report, including the harmless one for a
// request that names a window just destroyed (a screen unloaded while the server still had an
// event for its window in flight). Reports are written to stderr and the program goes on.
// Does nothing when SDL does not use X11.
void keep_running_on_x11_errors();

}  // namespace metria
