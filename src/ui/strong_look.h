// The look where the system asks for more contrast, drawn over the screens' own: the words the
// screens draw faintly (white on their red) strong, and a mark on each control whose state is right
// (a right answer, a card on its place), as colour alone tells it otherwise.
#pragma once

namespace metria {

class Canvas;
class Window;

void paint_strong_look(const Window& window, Canvas& canvas, double scale);

}  // namespace metria
