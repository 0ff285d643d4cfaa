// The program as the root of its accessible objects: role application, named by the program's
// name, its children the frames of the windows shown. Lives on the accessibility thread only.
#pragma once

#include <atk/atk.h>

#include <string>

namespace metria {

// The frames under the application, in the order their windows opened.
class FrameList {
 public:
  virtual ~FrameList() = default;
  virtual int frame_count() const = 0;
  virtual AtkObject* frame_object(int i) const = 0;  // null past the end
};

// A new object, the caller holding its one reference.
AtkObject* application_object_new(const FrameList& frames, const std::string& name);
// The frames are gone: a client that still holds the object finds it empty.
void application_object_detach(AtkObject* object);

// What ATK gives the bridge as the root of the program's objects (null: none). AtkUtil asks for it
// with no data of ours, so the root is the one object kept for the whole process. The active
// window's activation is sent again when the bridge starts passing events on.
void set_atk_root(AtkObject* root);

}  // namespace metria
