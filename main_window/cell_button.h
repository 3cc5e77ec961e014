#pragma once

#include <QColor>
#include <QPushButton>
#include <QString>

#include "board/palette.h"

namespace lucen {

// A board cell: a push button whose whole face shows its colour, with a thin raised edge so that
// neighbouring cells of one colour stay apart. It names itself for screen readers, marks keyboard
// focus with a ring that leaves the colour visible, and asks for the focus to move on arrow keys.
class CellButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CellButton(QWidget* parent = nullptr);

  QColor Colour() const { return colour_; }
  void SetColour(Rgb colour);

  // The cell's number and place on the board (all counted from 1), for its accessible name.
  void SetGridPlace(int number, int row, int column);

  // Marks the cell as the hint, or clears the mark.
  void SetHint(bool hint);
  bool IsHint() const { return hint_; }

 signals:
  // An arrow key: move the focus this many rows and columns.
  void focusStepRequested(int rows, int columns);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Describe();

  Rgb rgb_ = kBlack;
  QColor colour_{Qt::black};
  QString place_;  // its row and column, waiting for the colour's name
  bool hint_ = false;
};

}  // namespace lucen
