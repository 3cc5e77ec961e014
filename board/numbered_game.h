#pragma once

#include <compare>
#include <vector>

namespace lucen {

inline constexpr int kMinGameNumber = 1;
inline constexpr int kMaxGameNumber = 999'999;

// What names a numbered game: the board's side (5..9), its colour count (2..4) and a number
// (1..999 999). Everything else about the game follows from these three values.
struct GameId {
  int size = 5;
  int colourCount = 2;
  int number = kMinGameNumber;

  friend auto operator<=>(const GameId&, const GameId&) = default;
};

// Whether every value of `id` is in its range.
bool IsValid(const GameId& id);

// How hard a numbered game may be: the fewest presses that win it lie between these bounds, so
// that it takes some thought and a person can still finish it.
constexpr int FewestPressesAtLeast(int size) {
  return size;
}
constexpr int FewestPressesAtMost(int size) {
  return 3 * size;
}

struct NumberedGame {
  GameId id;
  std::vector<int> start;  // colour steps, row by row
  int fewest = 0;          // the fewest presses that win from `start`
};

// The game that `id` names: the same position on every platform, compiler and standard library.
// Throws std::invalid_argument when a value of `id` is out of range.
NumberedGame MakeGame(const GameId& id);

}  // namespace lucen
