#include "board_view/colour_names.h"

#include <QColor>
#include <QCoreApplication>

namespace lucen {

namespace {

class ColourNames {
  Q_DECLARE_TR_FUNCTIONS(ColourNames)

 public:
  static QString Of(Rgb colour) {
    if (colour == kBlack) return tr("negro");
    if (colour == kYellow) return tr("amarillo");
    if (colour == kLightRed) return tr("rojo claro");
    if (colour == kLightGreen) return tr("verde claro");
    return tr("color %1").arg(QColor(colour.red, colour.green, colour.blue).name());
  }
};

}  // namespace

QString ColourName(Rgb colour) {
  return ColourNames::Of(colour);
}

}  // namespace lucen
