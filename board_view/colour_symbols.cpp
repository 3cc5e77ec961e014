#include "board_view/colour_symbols.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace lucen {

void DrawColourSymbol(QPainter& painter, const QRectF& face, Rgb colour) {
  if (colour != kYellow && colour != kLightRed && colour != kLightGreen) return;
  // A square of 36% of the side in the middle: inside the hint ring, clear of the focus ring.
  const qreal side = std::min(face.width(), face.height()) * 0.36;
  const QRectF box(face.center() - QPointF(side / 2, side / 2), QSizeF(side, side));

  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  if (colour == kYellow) {
    painter.drawPolygon(
        QPolygonF{{box.center().x(), box.top()}, box.bottomRight(), box.bottomLeft()});
  } else if (colour == kLightRed) {
    painter.drawPolygon(QPolygonF{{box.center().x(), box.top()},
                                  {box.right(), box.center().y()},
                                  {box.center().x(), box.bottom()},
                                  {box.left(), box.center().y()}});
  } else {
    painter.drawEllipse(box);
  }
  painter.restore();
}

}  // namespace lucen
