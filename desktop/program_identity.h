#pragma once

#include <QString>

namespace lucen {

// The application's title: the name the desktop shows for the program, and the caption of any
// message that has none of its own.
inline QString ApplicationTitle() {
  return QStringLiteral("Lucen");
}

// The main window's caption, which the about window shows as its title too.
inline QString MainWindowCaption() {
  return QStringLiteral("Lucen 2.0");
}

}  // namespace lucen
