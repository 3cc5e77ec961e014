#include "progress/records.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <stdexcept>

#include "board/board.h"
#include "progress/daily_game.h"

namespace lucen {
namespace {

// One more; a count that would pass what an int holds stays at the most.
void CountOne(int& count) {
  if (count < INT_MAX) ++count;
}

// Whether two lists of sorted runs share a number.
bool Overlap(const std::vector<GameSet::Range>& a, const std::vector<GameSet::Range>& b) {
  auto i = a.begin();
  auto j = b.begin();
  while (i != a.end() && j != b.end()) {
    if (i->last < j->first) {
      ++i;
    } else if (j->last < i->first) {
      ++j;
    } else {
      return true;
    }
  }
  return false;
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

std::optional<int> Records::WonResult(const GameId& id) const {
  if (!won_.Contains(id)) return std::nullopt;
  for (const auto& [result, codes] : wonByResult_) {
    if (codes.Contains(id)) return result;
  }
  return std::nullopt;
}

void Records::AddWon(int size, int colourCount, GameSet::Range range, int result) {
  if (result < 0) throw std::invalid_argument("no such result");
  // Refused as GameSet::Add refuses, before anything changes.
  const std::vector<GameSet::Range>& won = won_.Ranges(size, colourCount);
  if (range.first < kMinGameNumber || range.last > kMaxGameNumber || range.first > range.last) {
    throw std::invalid_argument("no such numbered games");
  }
  std::vector<GameSet::Range> fresh{range};  // the parts of `range` not won with a smaller result
  // Most often none of them is won yet, as when a file is read: then no other result is touched.
  const auto run = std::partition_point(
      won.begin(), won.end(), [&](const GameSet::Range& r) { return r.last < range.first; });
  const bool anyWon = run != won.end() && run->first <= range.last;
  for (auto codes = wonByResult_.begin(); anyWon && codes != wonByResult_.end();) {
    if (codes->first <= result) {
      std::vector<GameSet::Range> left;
      for (const GameSet::Range& part : fresh) {
        const auto missing = codes->second.Missing(size, colourCount, part);
        left.insert(left.end(), missing.begin(), missing.end());
      }
      fresh = std::move(left);
    } else {
      codes->second.Remove(size, colourCount, range);  // won again with a smaller result
    }
    codes = codes->second.Empty() ? wonByResult_.erase(codes) : std::next(codes);
  }
  if (fresh.empty()) return;
  GameSet& codes = wonByResult_[result];
  for (const GameSet::Range& part : fresh) {
    codes.Add(size, colourCount, part);
    won_.Add(size, colourCount, part);
  }
}

void Records::AddWonRuns(int size, int colourCount, const std::vector<GameSet::Range>& runs,
                         int result) {
  if (result < 0) throw std::invalid_argument("no such result");
  if (!Overlap(won_.Ranges(size, colourCount), runs)) {
    won_.AddRuns(size, colourCount, runs);  // refuses before anything changes
    if (!runs.empty()) wonByResult_[result].AddRuns(size, colourCount, runs);
    return;
  }
  for (const GameSet::Range& run : runs) AddWon(size, colourCount, run, result);
}

bool Records::Apply(const RecordEvent& event) {
  const GameInPlay& game = event.game;
  // Found first, so that a board out of range is refused before anything changes.
  BoardRecord& record = At(game.id.size, game.id.colourCount);
  if (event.kind == RecordEvent::Kind::kStart) {
    const std::optional<CalendarDate>& day = game.daily;
    if (day && IsValid(*day) && DailyGame(*day) == game.id) {
      firstDailyDay_ = std::min(firstDailyDay_.value_or(*day), *day);
    }
    if (!played_.Add(game.id)) return false;
    CountOne(record.played);
    return true;
  }

  const std::optional<int> result = game.Result();
  // A negative result cannot come from play, only from damaged data: such a win is not counted.
  // Nor is a code's second win, told again after a crash or by a second copy of the game.
  if (!result || *result < 0 || won_.Contains(game.id)) return false;
  AddWon(game.id.size, game.id.colourCount, {game.id.number, game.id.number}, *result);
  CountOne(record.won);
  CountOne(record.distribution[ResultBucket(*result)]);
  record.resultSum =
      record.resultSum > INT64_MAX - *result ? INT64_MAX : record.resultSum + *result;
  if (*result <= kMaxResult) record.best = std::min(record.best.value_or(*result), *result);
  if (game.daily) streak_ = CountWin(streak_, *game.daily);
  return true;
}

}  // namespace lucen
