#include "platform/centring.h"

#include <QWidget>

#include "platform/twips.h"

namespace lucen {

QPoint CentredTopLeft(const QSize& outer, const QRect& area) {
  return {area.left() + RoundHalfEven((area.width() - outer.width()) / 2.0),
          area.top() + RoundHalfEven((area.height() - outer.height()) / 2.0)};
}

void CentreWindow(QWidget& window, const QRect& area) {
  window.move(CentredTopLeft(window.frameGeometry().size(), area));
}

}  // namespace lucen
