#include "board/records.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

#include "board/board.h"

namespace lucen {
namespace {

constexpr int kColourCounts = Board::kMaxColours - Board::kMinColours + 1;

std::size_t Index(int size, int colourCount) {
  if (size < Board::kMinSize || size > Board::kMaxSize || colourCount < Board::kMinColours ||
      colourCount > Board::kMaxColours) {
    throw std::out_of_range("no such board for the records");
  }
  return static_cast<std::size_t>((size - Board::kMinSize) * kColourCounts + colourCount -
                                  Board::kMinColours);
}

// Adds two counts of wins; a count that would pass what an int holds stays at the most.
int AddWins(int won, int more) {
  return won > INT_MAX - more ? INT_MAX : won + more;
}

std::optional<int> Better(std::optional<int> best, std::optional<int> result) {
  if (!result) return best;
  if (!best) return result;
  return std::min(*best, *result);
}

}  // namespace

const BoardRecord& Records::At(int size, int colourCount) const {
  return boards_[Index(size, colourCount)];
}

BoardRecord& Records::At(int size, int colourCount) {
  return boards_[Index(size, colourCount)];
}

void Records::AddWin(int size, int colourCount, std::optional<int> result) {
  BoardRecord& record = At(size, colourCount);
  record.won = AddWins(record.won, 1);
  if (result && *result >= 0 && *result <= kMaxResult) record.best = Better(record.best, result);
}

void Records::Merge(const Records& other) {
  for (std::size_t i = 0; i < boards_.size(); ++i) {
    boards_[i].won = AddWins(boards_[i].won, other.boards_[i].won);
    boards_[i].best = Better(boards_[i].best, other.boards_[i].best);
  }
}

}  // namespace lucen
