#pragma once

#include <QIcon>

namespace lucen {

// The program's icon: the 16-colour 32 x 32 image, with larger renditions of the same picture
// for high-density screens.
inline QIcon ProgramIcon() {
  QIcon icon(QStringLiteral(":/lucen/lucen.ico"));
  for (int size : {64}) icon.addFile(QStringLiteral(":/lucen/lucen_%1.png").arg(size));
  return icon;
}

}  // namespace lucen
