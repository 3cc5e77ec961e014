#include "platform/screen_centre.h"

#include <QScreen>
#include <QWidget>

namespace lucen {

void MoveToScreenCentre(QWidget& window, const QScreen* screen) {
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  const QSize size = window.frameGeometry().size();
  window.move(area.left() + (area.width() - size.width()) / 2,
              area.top() + (area.height() - size.height()) / 2);
}

}  // namespace lucen
