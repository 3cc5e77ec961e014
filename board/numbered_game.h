#pragma once

#include <compare>
#include <cstdint>
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

// The three levels of "Partida nueva", each a band of the fewest presses within N..3N: its lower,
// middle and upper part (on 5 x 5: 5..7, 8..12 and 13..15).
enum class Level { kEasy, kNormal, kHard };
struct FewestBand {
  int least;
  int most;
};
constexpr FewestBand BandOf(Level level, int size) {
  const int least = FewestPressesAtLeast(size);
  const int most = FewestPressesAtMost(size);
  const int third = (most - least + 1) / 3;
  switch (level) {
    case Level::kEasy:
      return {least, least + third - 1};
    case Level::kNormal:
      return {least + third, most - third};
    case Level::kHard:
      break;
  }
  return {most - third + 1, most};
}

struct NumberedGame {
  GameId id;
  std::vector<int> start;  // colour steps, row by row
  int fewest = 0;          // the fewest presses that win from `start`
};

// The game that `id` names: the same position on every platform, compiler and standard library.
// Throws std::invalid_argument when a value of `id` is out of range.
NumberedGame MakeGame(const GameId& id);

// A number whose game at `size` and `colourCount` falls in `level`'s band, drawn from `seed` (the
// same seed, the same number): a level only chooses which number is played. Every band holds
// games on every board. Throws std::invalid_argument for a board out of range.
int NumberForLevel(int size, int colourCount, Level level, std::uint64_t seed);

}  // namespace lucen
