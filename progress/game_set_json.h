#pragma once

#include <cstdint>
#include <vector>

#include "progress/game_set.h"
#include "progress/json_fields.h"

namespace lucen {

// One board's numbers of a GameSet as the records hold them: a list of numbers and [first, last]
// runs, [12, [100, 250], 123456]; or, where it is shorter, a bitset of the board's numbers (number
// n at bit n - 1, from the lowest bit of the first byte) as base64 text. The worst case, every
// other number, stays at the bitset's 166,668 characters.

// The board's numbers, in whichever form is shorter.
Json BoardNumbersJson(const std::vector<GameSet::Range>& ranges);
// The longest BoardNumbersJson() can be once written, in bytes, quotes included.
inline constexpr std::int64_t kMostBoardNumbersBytes = ((kMaxGameNumber + 7) / 8 + 2) / 3 * 4 + 2;

// Adds the numbers `value` holds to `set` on the board, in whatever order they come. False when
// it is neither form or holds a number out of range; what could be read is added.
bool ReadBoardNumbers(const Json& value, int size, int colourCount, GameSet& set);

}  // namespace lucen
