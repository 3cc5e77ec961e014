#pragma once

#include <cstdint>
#include <string>

#include "board/colour.h"

namespace lucen {

// What the board needs of the window that shows it. The board keeps the game's state (colours,
// history, sizes); the window only mirrors it, and owns the geometry of its controls, which the
// layout reads back so that whatever the toolkit keeps of a size is what the next cell uses.
// Positions and sizes are in twips.
class BoardControls {
 public:
  virtual ~BoardControls() = default;

  // The hidden board area: its width is the board's width.
  virtual float BoardAreaWidth() const = 0;

  // The template cell, element 0 of the cell array.
  virtual float TemplateLeft() const = 0;
  virtual float TemplateTop() const = 0;
  virtual float TemplateWidth() const = 0;
  virtual float TemplateHeight() const = 0;
  virtual void SetTemplateWidth(float twips) = 0;
  virtual void SetTemplateHeight(float twips) = 0;

  // Board cells 1..n. A loaded cell copies the template's settings (size, colour, style) and
  // stays hidden, at the template's place, until it is moved and shown.
  virtual void LoadCell(std::int16_t index) = 0;
  virtual void UnloadCell(std::int16_t index) = 0;
  virtual void MoveCell(std::int16_t index, float left, float top) = 0;
  virtual void BringCellToFront(std::int16_t index) = 0;
  virtual void ShowCell(std::int16_t index) = 0;
  virtual void ShowCellColour(std::int16_t index, Rgb colour) = 0;

  // The hidden move history.
  virtual void AppendHistoryEntry(const std::string& entry) = 0;
  virtual void ClearHistory() = 0;

  // Tells the player the puzzle is solved; returns once the message has been dismissed.
  virtual void AnnounceWin() = 0;
};

}  // namespace lucen
