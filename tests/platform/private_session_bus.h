// A D-Bus daemon of the test's own, made the session bus of the process: it offers no services
// to start, so a name nobody owns fails at once instead of starting the machine's real portal.
#pragma once

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace metria::testing {

class PrivateSessionBus {
 public:
  // folder: where the daemon's configuration is written.
  explicit PrivateSessionBus(const std::filesystem::path& folder) {
    const std::filesystem::path config = folder / "session-bus.conf";
    std::ofstream(config) << "<busconfig><type>session</type><listen>unix:tmpdir=" << folder.string()
                          << "</listen><auth>EXTERNAL</auth><policy context=\"default\"><allow send_destination=\"*\"/>"
                             "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n";
    const std::string config_option = "--config-file=" + config.string();
    GError* error = nullptr;
    m_daemon = g_subprocess_new(GSubprocessFlags(G_SUBPROCESS_FLAGS_STDOUT_PIPE | G_SUBPROCESS_FLAGS_STDERR_SILENCE),
                                &error, "dbus-daemon", config_option.c_str(), "--nofork", "--print-address=1", nullptr);
    if (!m_daemon) {
      ADD_FAILURE() << "dbus-daemon (package dbus-daemon) does not start: " << error->message;
      g_error_free(error);
      return;
    }
    GDataInputStream* output = g_data_input_stream_new(g_subprocess_get_stdout_pipe(m_daemon));
    if (char* line = g_data_input_stream_read_line(output, nullptr, nullptr, nullptr)) {
      m_address = line;
      g_free(line);
    }
    g_object_unref(output);
    EXPECT_FALSE(m_address.empty()) << "dbus-daemon printed no address";
    setenv("DBUS_SESSION_BUS_ADDRESS", m_address.c_str(), 1);
  }
  ~PrivateSessionBus() {
    if (!m_daemon) return;
    g_subprocess_force_exit(m_daemon);
    g_subprocess_wait(m_daemon, nullptr, nullptr);
    g_object_unref(m_daemon);
  }
  PrivateSessionBus(const PrivateSessionBus&) = delete;
  PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

  const std::string& address() const { return m_address; }

 private:
  GSubprocess* m_daemon = nullptr;
  std::string m_address;
};

}  // namespace metria::testing
