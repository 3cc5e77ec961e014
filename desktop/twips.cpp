#include "desktop/twips.h"

#include <QRectF>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace lucen {

namespace {

constexpr char kTwipsProperty[] = "lucenTwips";

// The nearest pixel, a half pixel going up (see TwipsToPixels).
int ToPixels(double twips) {
  return static_cast<int>(std::floor(twips / kTwipsPerPixel + 0.5));
}

}  // namespace

std::int32_t RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  double result = below;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) result = below + 1.0;
  return static_cast<std::int32_t>(result);
}

QRect TwipsToPixels(const TwipsRect& twips) {
  const int left = ToPixels(twips.left);
  const int top = ToPixels(twips.top);
  const int right = ToPixels(static_cast<double>(twips.left) + twips.width);
  const int bottom = ToPixels(static_cast<double>(twips.top) + twips.height);
  return {left, top, right - left, bottom - top};
}

void SetTwipsRect(QWidget* widget, const TwipsRect& twips) {
  // A QRectF holds doubles, which keep every float exactly.
  widget->setProperty(kTwipsProperty, QRectF(twips.left, twips.top, twips.width, twips.height));
  widget->setGeometry(TwipsToPixels(twips));
}

TwipsRect GetTwipsRect(const QWidget* widget) {
  const QRectF stored = widget->property(kTwipsProperty).toRectF();
  return {static_cast<float>(stored.left()), static_cast<float>(stored.top()),
          static_cast<float>(stored.width()), static_cast<float>(stored.height())};
}

}  // namespace lucen
