#include "board/board.h"

#include <cmath>

#include "board/colour_cycle.h"
#include "board/rounding.h"

namespace lucen {

namespace {

// Zero-based row of index k on a board of `cols` columns, computed in floating point and floored
// toward minus infinity, so that index 0 lands in row -1 and N*N + 1 in row N.
std::int16_t RowOf(std::int16_t k, std::int16_t cols) {
  return static_cast<std::int16_t>(std::floor((static_cast<double>(k) - 1.0) / cols));
}

}  // namespace

Board::Board(BoardControls& controls) : controls_(controls) {}

void Board::AdvanceCell() {
  if (!(CellIndex < CellCount() && CellIndex > 0)) return;
  if (const auto next = NextColour(colours_[Slot(CellIndex)], ColourCount)) {
    SetCellColour(CellIndex, *next);
  }
}

void Board::Command1_Click(std::int16_t Index) {
  // Only a board cell can be clicked; anything else is not a move.
  if (Index < 1 || Index >= CellCount()) return;

  CellIndex = Index;
  history_.push_back(std::to_string(Index));
  controls_.AppendHistoryEntry(history_.back());

  AdvanceCell();
  CellIndex = static_cast<std::int16_t>(Index - BoardCols);  // above; off the board is ignored
  AdvanceCell();
  CellIndex = static_cast<std::int16_t>(Index + BoardCols);  // below
  AdvanceCell();
  // Left and right only within the clicked cell's row, so the edges never wrap around.
  CellIndex = static_cast<std::int16_t>(Index - 1);
  if (RowOf(Index, BoardCols) == RowOf(CellIndex, BoardCols)) AdvanceCell();
  CellIndex = static_cast<std::int16_t>(Index + 1);
  if (RowOf(Index, BoardCols) == RowOf(CellIndex, BoardCols)) AdvanceCell();

  std::int16_t lit = 0;
  const std::int16_t last = static_cast<std::int16_t>(CellCount() - 1);
  for (std::int16_t i = 1; i <= last; ++i) {
    if (colours_[Slot(i)] == kLightGreen) ++lit;
  }
  if (lit == CellCount() - 1) {
    controls_.AnnounceWin();  // the board stays light green until the player dismisses it
    TurnBoardBlack();
  }
}

void Board::BuildBoard() {
  // The cell side is whatever the toolkit keeps of the quotient, read back from the template.
  const float side = controls_.BoardAreaWidth() / static_cast<float>(BoardCols);
  controls_.SetTemplateWidth(side);
  controls_.SetTemplateHeight(controls_.TemplateWidth());

  std::int32_t top = RoundHalfEven(controls_.TemplateTop());
  std::int32_t left = RoundHalfEven(controls_.TemplateLeft());
  const std::int16_t cells = static_cast<std::int16_t>(BoardRows * BoardCols);
  std::int16_t placedInRow = 0;

  for (std::int16_t i = 1; i <= cells; ++i) {
    colours_.push_back(colours_.front());  // a new cell copies the template, which is black
    controls_.LoadCell(i);
    controls_.MoveCell(i, static_cast<float>(left), static_cast<float>(top));

    // Positions advance one rounded step at a time; this accumulates differently from rounding
    // left + c * side once, and is the layout the game has always had.
    left = RoundHalfEven(static_cast<double>(controls_.TemplateWidth()) + left);
    if (++placedInRow == BoardCols) {
      top = RoundHalfEven(static_cast<double>(controls_.TemplateHeight()) + top);
      placedInRow = 0;
      left = RoundHalfEven(controls_.TemplateLeft());
    }

    controls_.BringCellToFront(i);  // so cell 1 covers the template and each cell the earlier ones
    controls_.ShowCell(i);
  }
}

void Board::TearDown() {
  const std::int16_t count = CellCount();
  for (std::int16_t j = 1; j < count; ++j) controls_.UnloadCell(j);
  colours_.resize(1);
}

void Board::MnuReset_Click() {
  TurnBoardBlack();
  history_.clear();
  controls_.ClearHistory();
}

void Board::SetCellColour(std::int16_t index, Rgb colour) {
  colours_.at(Slot(index)) = colour;
  controls_.ShowCellColour(index, colour);
}

void Board::TurnBoardBlack() {
  const std::int16_t count = CellCount();
  for (std::int16_t i = 1; i < count; ++i) SetCellColour(i, kBlack);
}

}  // namespace lucen
