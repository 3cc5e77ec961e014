#pragma once

#include <QLabel>
#include <QWidget>

class QMouseEvent;

namespace lucen {

// Tells a click from a press that wandered off: a left press, then a left release that is still
// inside the widget that was pressed.
class ClickTracker {
 public:
  void Press(const QMouseEvent& event);
  // Whether this release completes a click on a widget whose area is `inside`.
  bool Release(const QMouseEvent& event, const QRect& inside);

 private:
  bool pressed_ = false;
};

// A label or picture of the about window that reports a click. It handles pointer movement only
// when tracking is switched on (the links); otherwise movement over it stops here and never
// reaches the window beneath.
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
  ClickTracker click_;
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
