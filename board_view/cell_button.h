#pragma once

#include <QColor>
#include <QPushButton>
#include <QString>

#include "board/palette.h"

namespace lucen {

// A board cell: a push button whose whole face shows its colour, with a thin raised edge so that
// neighbouring cells of one colour stay apart, and on request a symbol of the colour. It names
// itself for screen readers, marks keyboard focus with a ring that leaves the colour visible (once
// the player uses the keyboard), and asks for the focus to move on arrow keys.
class CellButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CellButton(QWidget* parent = nullptr);

  // The cell's colour as the game has it, at once. An `animated` change paints a share of the way
  // from the colour painted before (the first share already), and the board moves the share on.
  QColor Colour() const { return colour_; }
  void SetColour(Rgb colour, bool animated = false);
  void SetChangeShare(float share);
  // The design's pens, magnified `zoom` times.
  void SetZoom(float zoom);

  static constexpr float kFirstShare = 0.3F;  // so that a press reaches the screen at once

  // The cell's number and place on the board (all counted from 1), for its accessible name.
  void SetGridPlace(int number, int row, int column);

  // Marks the cell as the hint, or clears the mark.
  void SetHint(bool hint);
  bool IsHint() const { return hint_; }

  // Shows the symbol of the cell's colour on its face, or not.
  void SetSymbolShown(bool shown);
  // Whether the focus ring may show: only once the player has used the keyboard.
  void SetFocusCue(bool cue);

 signals:
  // An arrow key: move the focus this many rows and columns.
  void focusStepRequested(int rows, int columns);
  // The focus came here by Tab or Backtab.
  void keyboardFocusIn();
  // A mouse button went down on the cell.
  void pointerPressed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void Describe();

  Rgb rgb_ = kBlack;
  QColor colour_{Qt::black};
  QColor from_{Qt::black};  // the painted colour when the change began
  float share_ = 1;         // of the way from from_ to colour_ that is painted
  float zoom_ = 1;
  QString place_;  // its row and column, waiting for the colour's name
  bool hint_ = false;
  bool symbolShown_ = false;
  bool focusCue_ = false;
};

}  // namespace lucen
