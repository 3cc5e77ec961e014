#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "board/board_controls.h"
#include "board/colour.h"

namespace lucen {

// The puzzle: an array of cells addressed by a 16-bit index, element 0 being the template that
// new cells copy and never a board cell; cells 1..N*N run row by row from the top left. A move
// advances the clicked cell and its orthogonal neighbours one step along the colour cycle; the
// puzzle is solved when every cell is light green.
//
// The four counters below are plain members because the window's commands set them directly,
// exactly as the game's menus do, before building or resetting.
class Board {
 public:
  explicit Board(BoardControls& controls);

  // The cell that AdvanceCell acts on; set before each call.
  std::int16_t CellIndex = 0;
  // Cells per row and number of rows; always equal, 5..9 in play.
  std::int16_t BoardCols = 0;
  std::int16_t BoardRows = 0;
  // Length of the colour cycle: 2, 3 or 4 (anything else freezes every cell).
  std::int16_t ColourCount = 2;

  // Moves one cell, CellIndex, one step along the cycle. Indices outside 1..CellCount()-1 and
  // colours outside the current cycle are left alone, which lets a move offer off-board
  // neighbours without testing them.
  void AdvanceCell();

  // A click on cell `Index`: records it, advances the plus-shaped group around it (clipped at the
  // edges), and on a win announces it and turns the board black again.
  void Command1_Click(std::int16_t Index);

  // Creates, places and shows BoardRows x BoardCols black cells from the template. Needs an
  // empty board (template only).
  void BuildBoard();
  // Destroys every cell but the template, which keeps the size of the last build.
  void TearDown();
  // Every cell black and the move history emptied.
  void MnuReset_Click();

  // Number of elements of the cell array, the template included.
  std::int16_t CellCount() const { return static_cast<std::int16_t>(colours_.size()); }
  Rgb CellColour(std::int16_t index) const { return colours_.at(Slot(index)); }
  // Sets any colour, palette or not, on an existing element.
  void SetCellColour(std::int16_t index, Rgb colour);
  const std::vector<std::string>& History() const { return history_; }

 private:
  static std::size_t Slot(std::int16_t index) { return static_cast<std::size_t>(index); }
  void TurnBoardBlack();

  BoardControls& controls_;
  std::vector<Rgb> colours_{kBlack};  // by cell index; element 0 is the template
  std::vector<std::string> history_;
};

}  // namespace lucen
