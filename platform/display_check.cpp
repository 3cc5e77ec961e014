#include "platform/display_check.h"

#include <QByteArray>
#include <QtGlobal>

#ifdef LUCEN_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace lucen {

bool GraphicalDisplayAvailable() {
#ifdef LUCEN_HAVE_XCB
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  // Offscreen, VNC and the like need no display; Wayland reports its own troubles.
  if (!platform.isEmpty() && !platform.startsWith("xcb")) return true;

  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const bool connected = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  if (connected) return true;
  return platform.isEmpty() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
  return true;
#endif
}

}  // namespace lucen
