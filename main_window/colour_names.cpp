#include "main_window/colour_names.h"

#include <QColor>

namespace lucen {

QString ColourName(Rgb colour) {
  if (colour == kBlack) return QStringLiteral("negro");
  if (colour == kYellow) return QStringLiteral("amarillo");
  if (colour == kLightRed) return QStringLiteral("rojo claro");
  if (colour == kLightGreen) return QStringLiteral("verde claro");
  return QStringLiteral("color %1").arg(QColor(colour.red, colour.green, colour.blue).name());
}

}  // namespace lucen
