// A window's frame as an ATK object (role frame, AtkWindow, AtkComponent): a shell that reads its
// children, states and bounds from its WindowFrame. Lives on the accessibility thread only.
#pragma once

#include <atk/atk.h>

#include <string>

namespace metria {

class WindowFrame;

// A new object for the frame, the caller holding its one reference.
AtkObject* frame_object_new(const WindowFrame& frame, const std::string& title);
// The frame is gone: a client that still holds the object finds it defunct and empty.
void frame_object_detach(AtkObject* object);

}  // namespace metria
