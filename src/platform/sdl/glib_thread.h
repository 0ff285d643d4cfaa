// The desktop's accessibility and settings services speak D-Bus through GLib, whose objects live on
// the thread that runs GLib's default main context. That thread is this one; the SDL thread never
// touches a GLib object, and hands work over with post().
#pragma once

#include <glib.h>

#include <functional>
#include <thread>

namespace metria {

class GlibThread {
 public:
  // Starts the thread, which sleeps in GLib's main loop until work is posted or an event arrives.
  GlibThread();
  // Quits the loop and joins the thread; work posted and not yet run is dropped.
  ~GlibThread();
  GlibThread(const GlibThread&) = delete;
  GlibThread& operator=(const GlibThread&) = delete;

  // Runs the work on the GLib thread, after what was posted before it.
  void post(std::function<void()> work);
  // Runs the work on the GLib thread and waits for it; for start-up and shut-down only.
  void run_and_wait(const std::function<void()>& work);

 private:
  GMainLoop* m_loop;
  std::thread m_thread;
};

}  // namespace metria
