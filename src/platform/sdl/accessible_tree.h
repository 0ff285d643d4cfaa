// Every accessible object of the program: the application, a frame per loaded window, the nodes
// under each frame. Lives on the accessibility thread only, which the bridge hands each change to.
#pragma once

#include <atk/atk.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/sdl/atk_application_object.h"
#include "platform/sdl/window_frame.h"

namespace metria {

// What the clients of the accessibility bus listen for now.
struct Listeners {
  bool any = false;                // some client listens for some event
  bool announcements = false;      // object:announcement
  bool window_activation = false;  // window:activate, which a screen reader answers with the title
  friend bool operator==(const Listeners&, const Listeners&) = default;
};

class AccessibleTree final : public FrameParent, public FrameList {
 public:
  // Requests of a screen reader (focus, activate) go to the sink.
  AccessibleTree(const std::string& program_name, RequestSink requests);
  ~AccessibleTree() override;
  AccessibleTree(const AccessibleTree&) = delete;
  AccessibleTree& operator=(const AccessibleTree&) = delete;

  void listeners_changed(const Listeners& listeners) { m_listeners = listeners; }
  // A window shown: its frame is the active one. bounds: its client area in pixels of the screen.
  void open_window(std::uint32_t window, const std::string& title, PixelRect bounds);
  void move_window(std::uint32_t window, PixelRect bounds);
  void close_window(std::uint32_t window);
  void publish(std::uint32_t window, const std::vector<AccessibleNode>& nodes);
  // Words on what changed, said in the active window: as an announcement to a client that listens
  // for them, else as a notification, never both.
  void announce(const std::string& words);

  // FrameParent.
  AtkObject* object() const override { return m_object; }
  int index_of(const AtkObject* frame) const override;
  // FrameList.
  int frame_count() const override { return static_cast<int>(m_frames.size()); }
  AtkObject* frame_object(int i) const override;

 private:
  WindowFrame* frame_of(std::uint32_t window) const;

  RequestSink m_requests;
  AtkObject* m_object;
  Listeners m_listeners;
  // In the order the windows opened: the last one is the active one.
  std::vector<std::unique_ptr<WindowFrame>> m_frames;
  // The title of a window just activated where the activation is heard: the screen reader says
  // it then, and the announcement of the same title would say it twice.
  std::string m_title_said;
};

}  // namespace metria
