#include "platform/centring.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "platform/twips.h"

namespace lucen {

namespace {

// The start of a stretch of `length` from `start`, moved as little as it takes to lie within
// `space` pixels from `first`, or to start at `first` if it is longer.
int WithinSpace(int start, int length, int first, int space) {
  return length >= space ? first : std::clamp(start, first, first + space - length);
}

}  // namespace

QPoint CentredTopLeft(const QSize& outer, const QRect& area) {
  return {area.left() + RoundHalfEven((area.width() - outer.width()) / 2.0),
          area.top() + RoundHalfEven((area.height() - outer.height()) / 2.0)};
}

QPoint OnScreenTopLeft(const QRect& frame, const QRect& screen) {
  return {WithinSpace(frame.left(), frame.width(), screen.left(), screen.width()),
          WithinSpace(frame.top(), frame.height(), screen.top(), screen.height())};
}

void CentreWindow(QWidget& window, const QRect& area) {
  const QSize outer = window.frameGeometry().size();
  QPoint topLeft = CentredTopLeft(outer, area);
  if (const QScreen* screen = window.screen()) {
    topLeft = OnScreenTopLeft({topLeft, outer}, screen->availableGeometry());
  }
  window.move(topLeft);
}

}  // namespace lucen
