#include "program/display_check.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QLibraryInfo>
#include <QPluginLoader>

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

// Whether a compositor answers on the socket that WAYLAND_DISPLAY names; a stale variable alone
// would leave Qt with nothing to use.
bool WaylandReachable() {
  QByteArray display = qgetenv("WAYLAND_DISPLAY");
  if (display.isEmpty()) display = "wayland-0";  // the client library's default

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

namespace {

// Adds the names a plugin answers to, when it is a platform plugin.
void AddPlatformNames(const QJsonObject& plugin, QStringList& names) {
  if (plugin.value(QLatin1String("IID")).toString() !=
      QLatin1String("org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface.5.3")) {
    return;
  }
  const QJsonArray keys =
      plugin.value(QLatin1String("MetaData")).toObject().value(QLatin1String("Keys")).toArray();
  for (const QJsonValue& key : keys) names << key.toString();
}

// The folders where Qt looks for platform plugins.
QStringList PluginFolders(const QString& pluginPath) {
  QStringList libraryPaths =
      qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
  libraryPaths << QLibraryInfo::path(QLibraryInfo::PluginsPath)
               << QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();  // as Qt finds it
  QStringList folders;
  if (!pluginPath.isEmpty()) {
    // Qt adds the folder to its library paths, and then looks in each of them as well.
    libraryPaths.prepend(pluginPath);
    folders = libraryPaths;
  }
  for (const QString& path : libraryPaths) folders << path + QStringLiteral("/platforms");
  return folders;
}

// The names of the platforms whose plugins are in `folders` or built into Qt, read without
// loading any; sorted.
QStringList PlatformNames(const QStringList& folders) {
  QStringList names;
  for (const QString& folder : folders) {
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) {
      if (QLibrary::isLibrary(file.fileName())) {
        AddPlatformNames(QPluginLoader(file.filePath()).metaData(), names);
      }
    }
  }
  for (const QStaticPlugin& plugin : QPluginLoader::staticPlugins()) {
    AddPlatformNames(plugin.metaData(), names);
  }
  names.sort();
  names.removeDuplicates();
  return names;
}

// Whether the platform `name`, installed, has a display to show on.
bool Answers(const QString& name, const QByteArray& display) {
#ifdef LUCEN_HAVE_XCB
  if (name == QLatin1String("xcb")) return XServerReachable(display);
  if (name.startsWith(QLatin1String("wayland"))) return WaylandReachable();
#else
  Q_UNUSED(name);
  Q_UNUSED(display);
#endif
  return true;  // offscreen, VNC and the like need no display
}

}  // namespace

PlatformCheck CheckPlatform(const QString& platform, const QString& pluginPath,
                            const QByteArray& display) {
  PlatformCheck check;
  check.asked = platform.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : platform;
  if (check.asked.isEmpty()) {
    // Qt's default as Debian builds it is X.
    const bool wayland = qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
                         qgetenv("XDG_SESSION_TYPE") == QByteArrayLiteral("wayland");
    check.asked = wayland ? QStringLiteral("wayland;xcb") : QStringLiteral("xcb");
  }
  const QStringList folders = PluginFolders(
      pluginPath.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH") : pluginPath);
  const auto installed = [&folders, &check](const QString& name) {
    // Qt's own plugins are named after their platform (libqxcb.so): finding that file spares
    // reading any plugin's metadata at start-up, which costs time and half a megabyte.
    for (const QString& folder : folders) {
      if (QFileInfo(folder + QStringLiteral("/libq") + name + QStringLiteral(".so")).isFile()) {
        return true;
      }
    }
    if (check.installed.isEmpty()) check.installed = PlatformNames(folders);
    return check.installed.contains(name, Qt::CaseInsensitive);
  };

  check.outcome = PlatformCheck::Outcome::kNotInstalled;
  for (const QString& entry : check.asked.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const QString name = entry.section(QLatin1Char(':'), 0, 0, QString::SectionSkipEmpty).toLower();
    if (name.isEmpty() || !installed(name)) continue;
    if (Answers(name, display)) {
      check.outcome = PlatformCheck::Outcome::kStarts;
      break;
    }
    check.outcome = PlatformCheck::Outcome::kNoDisplay;
  }
  if (check.outcome != PlatformCheck::Outcome::kStarts && check.installed.isEmpty()) {
    check.installed = PlatformNames(folders);
  }
#ifndef Q_OS_LINUX
  // Qt looks beside the program too, a folder known here only on Linux: elsewhere Qt decides.
  if (check.outcome == PlatformCheck::Outcome::kNotInstalled) {
    check.outcome = PlatformCheck::Outcome::kStarts;
  }
#endif
  return check;
}

}  // namespace lucen
