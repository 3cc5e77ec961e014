#include "board_view/glow_overlay.h"

#include <QPainter>

namespace lucen {

namespace {

constexpr double kBrightest = 0.55;  // of white over the cells, halfway through

}  // namespace

GlowOverlay::GlowOverlay(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  glow_.setDuration(kGlowMs);
  glow_.setKeyValueAt(0, 0.0);
  glow_.setKeyValueAt(0.5, kBrightest);
  glow_.setKeyValueAt(1, 0.0);
  connect(&glow_, &QVariantAnimation::valueChanged, this, [this] { update(); });
  connect(&glow_, &QVariantAnimation::finished, this, &QWidget::hide);
  hide();
}

void GlowOverlay::Start() {
  raise();
  show();
  glow_.start();
}

void GlowOverlay::Stop() {
  glow_.stop();
  hide();
}

void GlowOverlay::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  QColor light(Qt::white);
  light.setAlphaF(static_cast<float>(glow_.currentValue().toDouble()));
  painter.fillRect(rect(), light);
}

}  // namespace lucen
