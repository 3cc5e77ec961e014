#include "platform/display_check.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QDir>
#include <QLibraryInfo>
#include <QtGlobal>

#ifdef LUCEN_HAVE_XCB
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstring>
#endif

namespace lucen {

#ifdef LUCEN_HAVE_XCB
namespace {

bool XServerReachable(const QByteArray& display) {
  xcb_connection_t* connection =
      xcb_connect(display.isEmpty() ? nullptr : display.constData(), nullptr);
  const bool connected = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return connected;
}

// A Wayland desktop serves us only if Qt has its Wayland plugin and a compositor answers on the
// socket that WAYLAND_DISPLAY names; a stale variable alone would leave Qt with nothing to use.
bool WaylandReachable() {
  const QByteArray display = qgetenv("WAYLAND_DISPLAY");
  if (display.isEmpty()) return false;
  const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                       QStringLiteral("/platforms"));
  if (platforms.entryList({QStringLiteral("*qwayland*")}, QDir::Files).isEmpty()) return false;

  const QByteArray path =
      display.startsWith('/') ? display : qgetenv("XDG_RUNTIME_DIR") + '/' + display;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= static_cast<qsizetype>(sizeof(address.sun_path))) return false;
  std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool connected =
      connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
  close(fd);
  return connected;
}

}  // namespace
#endif

bool GraphicalDisplayAvailable(const QByteArray& platform, const QByteArray& display) {
#ifdef LUCEN_HAVE_XCB
  // Qt tries the platforms named in QT_QPA_PLATFORM in turn (X first when none is named), and
  // aborts when none of them starts.
  QByteArrayList platforms =
      (platform.isEmpty() ? qgetenv("QT_QPA_PLATFORM") : platform).split(';');
  if (platforms == QByteArrayList{QByteArray()}) platforms = {"xcb", "wayland"};
  for (const QByteArray& candidate : platforms) {
    if (candidate.startsWith("xcb")) {
      if (XServerReachable(display)) return true;
    } else if (candidate.startsWith("wayland")) {
      if (WaylandReachable()) return true;
    } else if (!candidate.isEmpty()) {
      return true;  // offscreen, VNC and the like need no display
    }
  }
  return false;
#else
  Q_UNUSED(platform);
  Q_UNUSED(display);
  return true;
#endif
}

}  // namespace lucen
