#pragma once

#include <QString>

namespace lucen {

// The application's title: the name the desktop shows for the program, and the caption of any
// message that has none of its own.
inline QString ApplicationTitle() {
  return QStringLiteral("Lucen");
}

}  // namespace lucen
