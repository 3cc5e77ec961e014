#include "secondary_windows/about_controls.h"

#include <QMouseEvent>
#include <QPainter>

namespace lucen {

void ClickTracker::Press(const QMouseEvent& event) {
  pressed_ = event.button() == Qt::LeftButton;
}

bool ClickTracker::Release(const QMouseEvent& event, const QRect& inside) {
  const bool click =
      pressed_ && event.button() == Qt::LeftButton && inside.contains(event.position().toPoint());
  pressed_ = false;
  return click;
}

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  click_.Press(*event);
  event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (click_.Release(*event, rect())) emit clicked();
}

void ClickableLabel::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (hasMouseTracking()) emit pointerMoved();
}

FrameLine::FrameLine(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FrameLine::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(QPen(Qt::white, 0));  // cosmetic: one device pixel at any scale
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace lucen
