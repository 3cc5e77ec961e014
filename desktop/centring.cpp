#include "desktop/centring.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "desktop/twips.h"

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

namespace {

// `topLeft` for the outer frame of `window`, moved the least distance onto its screen's available
// area.
QPoint OnItsScreen(const QWidget& window, QPoint topLeft) {
  const QScreen* screen = window.screen();
  if (screen == nullptr) return topLeft;
  // Scaled, the screen's size is rounded to whole pixels, up as often as down (1280 device pixels
  // are 427 at three to one): one pixel less keeps the far edges on it.
  const int rounding = screen->devicePixelRatio() > 1.0 ? 1 : 0;
  return OnScreenTopLeft({topLeft, window.frameGeometry().size()},
                         screen->availableGeometry().adjusted(0, 0, -rounding, -rounding));
}

}  // namespace

void CentreWindow(QWidget& window, const QRect& area) {
  window.move(OnItsScreen(window, CentredTopLeft(window.frameGeometry().size(), area)));
}

void KeepOnScreen(QWidget& window) {
  const QPoint topLeft = OnItsScreen(window, window.frameGeometry().topLeft());
  if (topLeft != window.frameGeometry().topLeft()) window.move(topLeft);
}

}  // namespace lucen
