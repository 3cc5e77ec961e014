#pragma once

#include <QVector>
#include <functional>

#include "board/board_controls.h"

class QLabel;
class QWidget;

namespace lucen {

class CellButton;
class HistoryList;

// Mirrors the board onto the main window's widgets: the cell buttons (element 0 is the template),
// the hidden move history and the hidden board area, whose places are kept in twips.
class BoardView final : public BoardControls {
 public:
  // `area` holds the cells; the template, history and board area already sit on it.
  BoardView(QWidget* area, CellButton* templateCell, HistoryList* history, QLabel* boardArea);

  // Element `index` of the cell array, or null when there is none.
  CellButton* Cell(int index) const;

  // Connected by the window to the board's move.
  void SetClickHandler(std::function<void(std::int16_t)> handler);
  // Cells per row of the board about to be built: names each cell by its row and column, and
  // lets the arrow keys move the focus across the grid.
  void SetColumns(std::int16_t columns) { columns_ = columns; }
  // Gives the keyboard focus to cell 1, if there is one.
  void FocusFirstCell();

  float BoardAreaWidth() const override;
  float TemplateLeft() const override;
  float TemplateTop() const override;
  float TemplateWidth() const override;
  float TemplateHeight() const override;
  void SetTemplateWidth(float twips) override;
  void SetTemplateHeight(float twips) override;
  void LoadCell(std::int16_t index) override;
  void UnloadCell(std::int16_t index) override;
  void MoveCell(std::int16_t index, float left, float top) override;
  void BringCellToFront(std::int16_t index) override;
  void ShowCell(std::int16_t index) override;
  void ShowCellColour(std::int16_t index, Rgb colour) override;
  void AppendHistoryEntry(const std::string& entry) override;
  void ClearHistory() override;
  void AnnounceWin() override;

 private:
  void StepFocus(int from, int rows, int columns);

  QWidget* area_;
  QVector<CellButton*> cells_;  // by cell index; unloaded elements are null
  HistoryList* history_;
  QLabel* boardArea_;
  std::function<void(std::int16_t)> onClick_;
  int columns_ = 1;
};

}  // namespace lucen
