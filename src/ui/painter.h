// Drawing a window: BackColor, the background picture, then the controls from back to front.
#pragma once

namespace metria {

class Canvas;
class Window;

// scale: device pixels per pixel of the definitions (1 on a 96 dpi display).
void paint_window(const Window& window, Canvas& canvas, double scale = 1.0);

}  // namespace metria
