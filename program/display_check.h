#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace lucen {

// Whether Qt can start on the platform it is about to choose. Qt aborts the process when none of
// the platforms it tries starts, or when it has none of them; asking first lets the game leave
// with a plain message instead.
//
// The choice is Qt 6.4's: -platform, else QT_QPA_PLATFORM, else Wayland in a Wayland session
// (WAYLAND_DISPLAY set, or XDG_SESSION_TYPE=wayland) and then X. Each entry is a plugin's name,
// in any case, with ":options" after it if any; several are separated by ';' and tried in turn.
// Qt looks for the plugins in the "platforms" folder of its plugin folder, of each folder in
// QT_PLUGIN_PATH and of the program's folder, and with a platform plugin path
// (-platformpluginpath, else QT_QPA_PLATFORM_PLUGIN_PATH) in that folder too. Only on Linux is
// the program's folder known before Qt starts; elsewhere no platform is refused as missing. A
// new Qt may choose otherwise.
inline constexpr int kQtPlatformChoiceMirrored = QT_VERSION_CHECK(6, 4, 0);

struct PlatformCheck {
  enum class Outcome {
    kStarts,        // a platform asked for is installed and, for X or Wayland, answers
    kNoDisplay,     // those installed have no display to show on
    kNotInstalled,  // Qt has none of them
  };
  Outcome outcome = Outcome::kStarts;
  QString asked;          // the platforms asked for, as given ("xcb", "bogus;offscreen:x=1")
  QStringList installed;  // unless it starts: the names of Qt's platforms, sorted
};

// `platform`, `pluginPath` and `display` are what the command line gives for Qt's -platform,
// -platformpluginpath and -display options; when empty, the environment decides, as for Qt.
PlatformCheck CheckPlatform(const QString& platform = {}, const QString& pluginPath = {},
                            const QByteArray& display = {});

}  // namespace lucen
