#include "board/board.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace lucen {

namespace {

int CheckedSize(int size) {
  if (size < Board::kMinSize || size > Board::kMaxSize) {
    throw std::invalid_argument("board size outside 5..9");
  }
  return size;
}

int CheckedColourCount(int colourCount) {
  if (colourCount < Board::kMinColours || colourCount > Board::kMaxColours) {
    throw std::invalid_argument("colour count outside 2..4");
  }
  return colourCount;
}

std::vector<int> BlackCells(int size) {
  return std::vector<int>(static_cast<std::size_t>(size * size), 0);
}

}  // namespace

Board::Board(int size, int colourCount)
    : size_(CheckedSize(size)),
      colourCount_(CheckedColourCount(colourCount)),
      steps_(BlackCells(size)) {}

bool Board::Solved() const {
  const int target = colourCount_ - 1;
  return std::all_of(steps_.begin(), steps_.end(), [target](int step) { return step == target; });
}

std::vector<std::size_t> Board::PlusAround(std::size_t cell) const {
  if (cell >= steps_.size()) throw std::out_of_range("no such cell on the board");
  const auto n = static_cast<std::size_t>(size_);
  const std::size_t row = cell / n;
  const std::size_t column = cell % n;
  std::vector<std::size_t> group{cell};
  if (row > 0) group.push_back(cell - n);
  if (row + 1 < n) group.push_back(cell + n);
  if (column > 0) group.push_back(cell - 1);
  if (column + 1 < n) group.push_back(cell + 1);
  return group;
}

MoveResult Board::Advance(std::size_t cell, int by) {
  MoveResult result{PlusAround(cell), false};
  for (std::size_t changed : result.changed) {
    steps_[changed] = (steps_[changed] + by + colourCount_) % colourCount_;
  }
  result.solved = Solved();
  return result;
}

MoveResult Board::Press(std::size_t cell) {
  MoveResult result = Advance(cell, 1);
  moves_.push_back(cell);
  redo_.clear();
  return result;
}

void Board::ForgetUndo() {
  undoFloor_ = moves_.size();
  redo_.clear();
}

void Board::TurnBlack() {
  std::fill(steps_.begin(), steps_.end(), 0);
  ForgetUndo();
}

void Board::Reset() {
  moves_.clear();
  TurnBlack();
}

void Board::Resize(int size) {
  size_ = CheckedSize(size);
  steps_ = BlackCells(size_);
  ForgetUndo();
}

void Board::ChangeColourCount(int colourCount) {
  colourCount_ = CheckedColourCount(colourCount);
  Reset();
}

void Board::Start(std::vector<int> steps) {
  if (steps.size() != steps_.size()) throw std::invalid_argument("not one colour step per cell");
  for (int step : steps) {
    if (step < 0 || step >= colourCount_) {
      throw std::invalid_argument("colour step outside the cycle");
    }
  }
  steps_ = std::move(steps);
  moves_.clear();
  ForgetUndo();
}

std::vector<std::string> Board::History() const {
  std::vector<std::string> entries;
  entries.reserve(moves_.size());
  for (std::size_t cell : moves_) entries.push_back(std::to_string(cell + 1));
  return entries;
}

MoveResult Board::Undo() {
  if (!CanUndo()) return {};
  const std::size_t cell = moves_.back();
  MoveResult result = Advance(cell, -1);
  moves_.pop_back();
  redo_.push_back(cell);
  return result;
}

MoveResult Board::Redo() {
  if (!CanRedo()) return {};
  const std::size_t cell = redo_.back();
  MoveResult result = Advance(cell, 1);
  moves_.push_back(cell);
  redo_.pop_back();
  return result;
}

}  // namespace lucen
