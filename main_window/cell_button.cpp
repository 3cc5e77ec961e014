#include "main_window/cell_button.h"

#include <QPainter>

namespace lucen {

CellButton::CellButton(QWidget* parent) : QPushButton(parent) {
  setAutoFillBackground(false);
  setFlat(true);
}

void CellButton::SetColour(const QColor& colour) {
  if (colour == colour_) return;
  colour_ = colour;
  update();
}

void CellButton::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QRect face = rect();
  painter.fillRect(face, colour_);

  // A one-pixel bevel, light above and left, dark below and right; swapped while pressed.
  if (face.width() < 3 || face.height() < 3) return;
  const bool sunken = isDown();
  const QColor light(sunken ? QColor(64, 64, 64) : QColor(224, 224, 224));
  const QColor dark(sunken ? QColor(224, 224, 224) : QColor(64, 64, 64));
  painter.setPen(light);
  painter.drawLine(face.topLeft(), face.topRight());
  painter.drawLine(face.topLeft(), face.bottomLeft());
  painter.setPen(dark);
  painter.drawLine(face.bottomLeft(), face.bottomRight());
  painter.drawLine(face.topRight(), face.bottomRight());
}

}  // namespace lucen
