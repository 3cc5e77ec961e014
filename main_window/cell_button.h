#pragma once

#include <QColor>
#include <QPushButton>

namespace lucen {

// A board cell: a push button whose whole face shows its colour, with a thin raised edge so that
// neighbouring cells of one colour stay apart.
class CellButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CellButton(QWidget* parent = nullptr);

  QColor Colour() const { return colour_; }
  void SetColour(const QColor& colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_{Qt::black};
};

}  // namespace lucen
