#pragma once

#include <array>
#include <optional>

#include "board/board.h"

namespace lucen {

// The records of one board (a size and a colour count): games won, and the best result (presses
// over the fewest, 0 for a perfect game), none before a win that scored.
struct BoardRecord {
  int won = 0;
  std::optional<int> best;

  friend bool operator==(const BoardRecord&, const BoardRecord&) = default;
};

// The records of every board the game offers, 5..9 cells a side under 2..4 colours. A size or
// colour count outside those ranges is refused with std::out_of_range.
class Records {
 public:
  // The largest result kept as a best: three presses for every cell of the largest board. A win
  // that scores more still counts as won.
  static constexpr int kMaxResult = 3 * Board::kMaxSize * Board::kMaxSize;

  const BoardRecord& At(int size, int colourCount) const;
  BoardRecord& At(int size, int colourCount);

  // One more win on that board; a result, when the win has one, may become the best.
  void AddWin(int size, int colourCount, std::optional<int> result);
  // Adds the wins of `other` board by board, keeping the better best of the two.
  void Merge(const Records& other);

  friend bool operator==(const Records&, const Records&) = default;

 private:
  static constexpr int kBoards =
      (Board::kMaxSize - Board::kMinSize + 1) * (Board::kMaxColours - Board::kMinColours + 1);
  std::array<BoardRecord, kBoards> boards_{};
};

}  // namespace lucen
