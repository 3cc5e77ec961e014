#include "main_window/colour_names.h"

namespace lucen {

QString ColourName(const QColor& colour) {
  if (colour == QColor(0, 0, 0)) return QStringLiteral("negro");
  if (colour == QColor(255, 255, 0)) return QStringLiteral("amarillo");
  if (colour == QColor(255, 0, 0)) return QStringLiteral("rojo claro");
  if (colour == QColor(0, 255, 0)) return QStringLiteral("verde claro");
  return QStringLiteral("color %1").arg(colour.name());
}

}  // namespace lucen
