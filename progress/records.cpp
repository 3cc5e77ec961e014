#include "progress/records.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "board/board.h"

namespace lucen {
namespace {

// One more; a count that would pass what an int holds stays at the most.
void CountOne(int& count) {
  if (count < INT_MAX) ++count;
}

}  // namespace

std::size_t ResultBucket(int result) {
  const auto above = std::upper_bound(kResultBucketLeast.begin(), kResultBucketLeast.end(), result);
  if (above == kResultBucketLeast.begin()) return 0;
  return static_cast<std::size_t>(above - kResultBucketLeast.begin() - 1);
}

std::optional<double> BoardRecord::AverageResult() const {
  std::int64_t count = 0;
  for (const int wins : distribution) count += wins;
  if (count <= 0) return std::nullopt;
  return static_cast<double>(resultSum) / static_cast<double>(count);
}

const BoardRecord& Records::At(int size, int colourCount) const {
  return boards_[BoardIndex(size, colourCount)];
}

BoardRecord& Records::At(int size, int colourCount) {
  return boards_[BoardIndex(size, colourCount)];
}

bool Records::Apply(const RecordEvent& event) {
  const GameInPlay& game = event.game;
  // Found first, so that a board out of range is refused before anything changes.
  BoardRecord& record = At(game.id.size, game.id.colourCount);
  if (event.kind == RecordEvent::Kind::kStart) {
    if (!played_.Add(game.id)) return false;
    CountOne(record.played);
    return true;
  }

  const std::optional<int> result = game.Result();
  // A negative result cannot come from play, only from damaged data: such a win is not counted.
  // Nor is a code's second win, told again after a crash or by a second copy of the game.
  if (!result || *result < 0 || won_.Contains(game.id)) return false;
  won_.Add(game.id);
  CountOne(record.won);
  CountOne(record.distribution[ResultBucket(*result)]);
  record.resultSum =
      record.resultSum > INT64_MAX - *result ? INT64_MAX : record.resultSum + *result;
  if (*result <= kMaxResult) record.best = std::min(record.best.value_or(*result), *result);
  if (game.daily) streak_ = CountWin(streak_, *game.daily);
  return true;
}

}  // namespace lucen
