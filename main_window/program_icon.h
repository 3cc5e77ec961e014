#pragma once

#include <QIcon>

namespace lucen {

// The program's icon: the 16-colour 32 x 32 image, with a 64-pixel rendition of the same picture
// for high-density screens.
inline QIcon ProgramIcon() {
  QIcon icon(QStringLiteral(":/lucen/lucen.ico"));
  icon.addFile(QStringLiteral(":/lucen/lucen_64.png"));
  return icon;
}

}  // namespace lucen
