#include "desktop/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace lucen {

namespace {

// Metric-compatible or close free faces, best first.
const QStringList& SansFallbacks() {
  static const QStringList fallbacks{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                     QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")};
  return fallbacks;
}

}  // namespace

QFont FontByName(const QString& family, double points) {
  QFont font;
  font.setFamilies(QStringList{family} + SansFallbacks());
  font.setPointSizeF(points);
  font.setWeight(QFont::Normal);
  if (family == QLatin1String("Arial Black") && !QFontDatabase::hasFamily(family)) {
    font.setWeight(QFont::Black);
  }
  return font;
}

QFont DialogFont() {
  return FontByName(QStringLiteral("MS Sans Serif"), 8.25);
}

}  // namespace lucen
