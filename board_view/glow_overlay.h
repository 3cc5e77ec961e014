#pragma once

#include <QVariantAnimation>
#include <QWidget>

namespace lucen {

// A light over the whole board that rises and falls once, for at most 0.6 s; clicks and keys go
// through it to the cells below.
class GlowOverlay : public QWidget {
  Q_OBJECT

 public:
  explicit GlowOverlay(QWidget* parent);

  void Start();
  void Stop();
  bool Glowing() const { return glow_.state() == QAbstractAnimation::Running; }

  static constexpr int kGlowMs = 600;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QVariantAnimation glow_;
};

}  // namespace lucen
