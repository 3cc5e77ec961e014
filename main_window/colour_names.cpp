#include "main_window/colour_names.h"

#include <QColor>
#include <QCoreApplication>

namespace lucen {

QString ColourName(Rgb colour) {
  if (colour == kBlack) return QCoreApplication::translate("lucen::ColourName", "negro");
  if (colour == kYellow) return QCoreApplication::translate("lucen::ColourName", "amarillo");
  if (colour == kLightRed) return QCoreApplication::translate("lucen::ColourName", "rojo claro");
  if (colour == kLightGreen) return QCoreApplication::translate("lucen::ColourName", "verde claro");
  return QCoreApplication::translate("lucen::ColourName", "color %1")
      .arg(QColor(colour.red, colour.green, colour.blue).name());
}

}  // namespace lucen
