#pragma once

#include <QLabel>
#include <QWidget>

namespace lucen {

// A label or picture of the about window that reports a click: a press and a release on it.
// It handles pointer movement only when tracking is switched on (the links); otherwise movement
// over it stops here and never reaches the window beneath.
class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ClickableLabel(QWidget* parent = nullptr);

 signals:
  void clicked();
  void pointerMoved();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

// A one-pixel rectangle outline on the window's edge. It takes no input: clicks and movement go
// to the window beneath it.
class FrameLine : public QWidget {
  Q_OBJECT

 public:
  explicit FrameLine(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace lucen
