// GLib's default main context, run on a thread of its own.
#include "platform/sdl/glib_thread.h"

#include <future>

namespace metria {

namespace {

// Work is handed over as an idle source attached to the default context, so that it runs on the
// loop's thread (g_main_context_invoke would run it at once on a caller that owns the context).
void attach_work(std::function<void()> work) {
  auto* owned = new std::function<void()>(std::move(work));
  GSource* source = g_idle_source_new();
  g_source_set_callback(
      source,
      [](gpointer data) -> gboolean {
        (*static_cast<std::function<void()>*>(data))();
        return G_SOURCE_REMOVE;
      },
      owned, [](gpointer data) { delete static_cast<std::function<void()>*>(data); });
  g_source_attach(source, g_main_context_default());
  g_source_unref(source);
}

}  // namespace

GlibThread::GlibThread()
    : m_loop(g_main_loop_new(g_main_context_default(), FALSE)), m_thread([loop = m_loop] { g_main_loop_run(loop); }) {}

GlibThread::~GlibThread() {
  attach_work([loop = m_loop] { g_main_loop_quit(loop); });
  m_thread.join();
  g_main_loop_unref(m_loop);
}

void GlibThread::post(std::function<void()> work) { attach_work(std::move(work)); }

void GlibThread::run_and_wait(const std::function<void()>& work) {
  std::promise<void> done;
  attach_work([&] {
    work();
    done.set_value();
  });
  done.get_future().wait();
}

}  // namespace metria
