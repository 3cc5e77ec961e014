#pragma once

#include <QVariantAnimation>
#include <QWidget>
#include <cstddef>
#include <vector>

namespace lucen {

class Board;
class CellButton;
class GlowOverlay;

// The main window's client area and the board on it: the template cell of the window's design,
// and one button per cell of the board, laid out in twips and showing the board's colours. It
// draws and forwards clicks; the rules stay with the board.
class BoardView : public QWidget {
  Q_OBJECT

 public:
  explicit BoardView(QWidget* parent = nullptr);

  // Replaces the cells with fresh ones for `board`'s size and colours, each in front of those
  // before it, cell 0 exactly over the template; the keyboard focus goes to cell 0, without its
  // ring until the player uses the keyboard.
  void Rebuild(const Board& board);
  // Shows `board`'s current colour on the cells given, or on every cell; either takes away the
  // hint mark, which belongs to the position it was given on.
  void ShowCells(const Board& board, const std::vector<std::size_t>& cells);
  void ShowAllCells(const Board& board);

  // Marks `cell` as the hint and gives it the keyboard focus, so that Space plays it; any earlier
  // mark goes. Showing cells or rebuilding takes the mark away too.
  void MarkHint(std::size_t cell);
  void ClearHint();

  // Shows every cell's colour symbol as well, or not, now and after every rebuild.
  void SetSymbolsShown(bool shown);
  // Magnifies the whole design `zoom` times (1 is the design's own size).
  void SetZoom(float zoom);
  float Zoom() const { return zoom_; }
  // Whether changed cells move to their new colour (over at most 120 ms) and a win makes the board
  // glow; without, everything is drawn at once. Either way the cells' state changes at once.
  void SetAnimated(bool animated);
  // Ends every cell's change of colour, and the glow, at once.
  void FinishAnimations();

  static constexpr int kChangeMs = 120;  // the longest a change of colour is seen moving
  // The board glows once, for at most 0.6 s: a win.
  void Glow();

  CellButton* TemplateCell() const { return template_; }
  std::size_t CellCount() const { return cells_.size(); }
  // The button of `cell`, or null when there is none.
  CellButton* Cell(std::size_t cell) const;

 signals:
  void cellClicked(int cell);

 private:
  void StepFocus(std::size_t from, int rows, int columns);
  void PlaceCells();
  // The focus ring shows only while the player works the board with the keyboard: from an arrow,
  // a Tab or a hint until a mouse press or a new board.
  void SetFocusCue(bool cue);

  CellButton* template_;
  std::vector<CellButton*> cells_;
  CellButton* hint_ = nullptr;  // the cell that carries the hint mark, if any
  int columns_ = 0;
  bool symbolsShown_ = false;
  float zoom_ = 1;
  bool animated_ = false;
  GlowOverlay* glow_ = nullptr;        // over the cells, for the glow of a win
  QVariantAnimation change_;           // the share of the way the changing cells have come
  std::vector<CellButton*> changing_;  // on their way to a new colour
};

}  // namespace lucen
