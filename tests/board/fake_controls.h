#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "board/board.h"

namespace lucen::testing {

// A stand-in for the window: keeps places and sizes either exactly as set, or snapped to whole
// pixels of 15 twips as a coarser toolkit would, and records what the board asked of it.
class FakeControls : public BoardControls {
 public:
  enum class Store { kExact, kWholePixels };

  explicit FakeControls(Store store = Store::kExact) : store_(store) {}

  struct Cell {
    float left = 0, top = 0, width = 0, height = 0;
    bool visible = false;
    Rgb colour;
  };

  float boardAreaWidth = 3615;
  Cell templateCell{180, 180, 555, 555, true, kBlack};
  std::map<int, Cell> cells;
  std::vector<int> zOrder;  // back to front
  std::vector<std::string> history;
  int wins = 0;
  std::function<void()> onWin;  // runs while the win message would be open

  float BoardAreaWidth() const override { return boardAreaWidth; }
  float TemplateLeft() const override { return templateCell.left; }
  float TemplateTop() const override { return templateCell.top; }
  float TemplateWidth() const override { return templateCell.width; }
  float TemplateHeight() const override { return templateCell.height; }
  void SetTemplateWidth(float twips) override { templateCell.width = Keep(twips); }
  void SetTemplateHeight(float twips) override { templateCell.height = Keep(twips); }

  void LoadCell(std::int16_t index) override {
    Cell cell = templateCell;
    cell.visible = false;
    cells[index] = cell;
  }
  void UnloadCell(std::int16_t index) override {
    cells.erase(index);
    zOrder.erase(std::remove(zOrder.begin(), zOrder.end(), index), zOrder.end());
  }
  void MoveCell(std::int16_t index, float left, float top) override {
    cells.at(index).left = Keep(left);
    cells.at(index).top = Keep(top);
  }
  void BringCellToFront(std::int16_t index) override {
    zOrder.erase(std::remove(zOrder.begin(), zOrder.end(), index), zOrder.end());
    zOrder.push_back(index);
  }
  void ShowCell(std::int16_t index) override { cells.at(index).visible = true; }
  void ShowCellColour(std::int16_t index, Rgb colour) override { cells.at(index).colour = colour; }
  void AppendHistoryEntry(const std::string& entry) override { history.push_back(entry); }
  void ClearHistory() override { history.clear(); }
  void AnnounceWin() override {
    ++wins;
    if (onWin) onWin();
  }

 private:
  float Keep(float twips) const {
    if (store_ == Store::kExact) return twips;
    return std::round(twips / 15.0F) * 15.0F;
  }

  Store store_;
};

// A board of `size` x `size` cells built on `controls`, as the game starts one.
inline void BuildSquare(Board& board, std::int16_t size, std::int16_t colours = 2) {
  board.BoardCols = size;
  board.BoardRows = size;
  board.ColourCount = colours;
  board.BuildBoard();
}

}  // namespace lucen::testing
