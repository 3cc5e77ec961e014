#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "board/palette.h"

namespace lucen {

// What a press, an undo or a redo did: the cells it changed and whether every cell now shows the
// target colour.
struct MoveResult {
  std::vector<std::size_t> changed;
  bool solved = false;
};

// The puzzle as a plain value: a square of size x size cells (size 5..9), numbered row by row
// from 0 at the top left, each at a step 0..k-1 of a cycle of k colours (2..4); step 0 is black
// and step k-1, light green, is the target. Pressing a cell advances it and its neighbours above,
// below, left and right one step, never across an edge.
//
// The move history holds one entry per press since the last reset, the pressed cell's number
// counted from 1, in decimal. Presses since the last reset, size choice, colour choice or clear
// can be undone, most recent first, and undone presses redone until the next press.
//
// A size, colour count or cell outside its range is refused with std::invalid_argument or
// std::out_of_range, and the board is left as it was.
class Board {
 public:
  static constexpr int kMinSize = 5;
  static constexpr int kMaxSize = 9;
  static constexpr int kMinColours = 2;
  static constexpr int kMaxColours = 4;

  Board(int size, int colourCount);

  int Size() const { return size_; }
  int ColourCount() const { return colourCount_; }
  std::size_t CellCount() const { return steps_.size(); }
  // Colour steps by cell, row by row.
  const std::vector<int>& Steps() const { return steps_; }
  int Step(std::size_t cell) const { return steps_.at(cell); }
  Rgb Colour(std::size_t cell) const { return StepColour(Step(cell), colourCount_); }
  bool Solved() const;

  // Records `cell` in the history and advances it and its neighbours.
  MoveResult Press(std::size_t cell);

  // Every cell black, the history kept: the end of a won game. Nothing before it can be undone.
  void TurnBlack();
  // Every cell black and the history emptied: the player's "Reset".
  void Reset();
  // A black board of another size (or the same), the history and colour count kept.
  void Resize(int size);
  // Another colour count (or the same), then a reset.
  void ChangeColourCount(int colourCount);
  // The start of a game: the cells take `steps` (one per cell, row by row, each 0..k-1), the
  // history empties and nothing before this position can be undone. Refuses steps that do not fit
  // the board with std::invalid_argument.
  void Start(std::vector<int> steps);

  std::vector<std::string> History() const;

  bool CanUndo() const { return moves_.size() > undoFloor_; }
  bool CanRedo() const { return !redo_.empty(); }
  // The presses that can be undone, oldest first, and the undone ones that can be redone, the next
  // to redo last: with the start, all it takes to rebuild the game.
  std::span<const std::size_t> UndoList() const {
    return std::span<const std::size_t>(moves_).subspan(undoFloor_);
  }
  std::span<const std::size_t> RedoList() const { return redo_; }
  // Takes back the last press: each cell it advanced goes back one step, and its history entry
  // goes. Nothing happens when there is nothing to undo.
  MoveResult Undo();
  // Presses the last undone cell again. Nothing happens when there is nothing to redo.
  MoveResult Redo();

 private:
  // The cell and its neighbours on the board.
  std::vector<std::size_t> PlusAround(std::size_t cell) const;
  MoveResult Advance(std::size_t cell, int by);
  void ForgetUndo();

  int size_;
  int colourCount_;
  std::vector<int> steps_;
  std::vector<std::size_t> moves_;  // pressed cells since the last reset, in order
  std::size_t undoFloor_ = 0;       // moves before this one can no longer be undone
  std::vector<std::size_t> redo_;   // undone cells, the most recent last
};

}  // namespace lucen
