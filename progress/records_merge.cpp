#include "progress/records_merge.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>

namespace lucen {
namespace {

// A board's counts, wide enough that no sum overflows; negative where a damaged file's counts
// hold less than its codes.
struct Counts {
  std::int64_t played = 0;
  std::int64_t won = 0;
  std::array<std::int64_t, kResultBuckets> distribution{};
  std::int64_t resultSum = 0;
  std::optional<int> best;
};

// What one board's codes account for, counted as Records::Apply counts each.
Counts FromCodes(const Records& records, int size, int colours) {
  Counts counts;
  counts.played = records.Played().Count(size, colours);
  for (const auto& [result, codes] : records.WonByResult()) {
    const std::int64_t wins = codes.Count(size, colours);
    if (wins == 0) continue;
    counts.won += wins;
    counts.distribution[ResultBucket(result)] += wins;
    counts.resultSum += wins * result;
    if (result <= Records::kMaxResult && !counts.best) counts.best = result;
  }
  return counts;
}

// What the board's counts hold beyond its codes.
Counts Beyond(const BoardRecord& record, const Counts& codes) {
  Counts more;
  more.played = record.played - codes.played;
  more.won = record.won - codes.won;
  for (std::size_t group = 0; group < kResultBuckets; ++group) {
    more.distribution[group] = record.distribution[group] - codes.distribution[group];
  }
  more.resultSum = record.resultSum - codes.resultSum;
  if (record.best && (!codes.best || *record.best < *codes.best)) more.best = record.best;
  return more;
}

int Count(std::int64_t count) {
  return static_cast<int>(std::clamp<std::int64_t>(count, 0, INT_MAX));
}

std::optional<int> Better(std::optional<int> a, std::optional<int> b) {
  if (!a || !b) return a ? a : b;
  return std::min(*a, *b);
}

std::int64_t Sum(std::int64_t codes, std::int64_t beyond) {
  if (beyond > INT64_MAX - codes) return INT64_MAX;
  return std::max<std::int64_t>(0, codes + beyond);
}

// A board of the merged records: what its codes account for, and the more of what each copy's
// counts hold beyond its codes.
BoardRecord MergedBoard(const Counts& codes, const Counts& mine, const Counts& theirs) {
  BoardRecord record;
  record.played = Count(codes.played + std::max(mine.played, theirs.played));
  record.won = Count(codes.won + std::max(mine.won, theirs.won));
  for (std::size_t group = 0; group < kResultBuckets; ++group) {
    record.distribution[group] = Count(
        codes.distribution[group] + std::max(mine.distribution[group], theirs.distribution[group]));
  }
  record.resultSum = Sum(codes.resultSum, std::max(mine.resultSum, theirs.resultSum));
  record.best = Better(codes.best, Better(mine.best, theirs.best));
  return record;
}

Streak MergeStreaks(const Streak& mine, const Streak& theirs) {
  Streak merged = mine;
  merged.best = std::max(mine.best, theirs.best);
  if (theirs.last && (!mine.last || *theirs.last > *mine.last)) {
    merged.current = theirs.current;
    merged.last = theirs.last;
  } else if (theirs.last == mine.last) {
    merged.current = std::max(mine.current, theirs.current);
  }
  return merged;
}

}  // namespace

Records Merge(const Records& mine, const Records& theirs) {
  Records merged = mine;
  for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
    for (int colours = Board::kMinColours; colours <= Board::kMaxColours; ++colours) {
      merged.Played().AddRuns(size, colours, theirs.Played().Ranges(size, colours));
      for (const auto& [result, codes] : theirs.WonByResult()) {
        merged.AddWonRuns(size, colours, codes.Ranges(size, colours), result);
      }
      merged.At(size, colours) =
          MergedBoard(FromCodes(merged, size, colours),
                      Beyond(mine.At(size, colours), FromCodes(mine, size, colours)),
                      Beyond(theirs.At(size, colours), FromCodes(theirs, size, colours)));
    }
  }
  merged.DailyStreak() = MergeStreaks(mine.DailyStreak(), theirs.DailyStreak());
  if (const auto& day = theirs.FirstDailyDay()) {
    merged.FirstDailyDay() = std::min(mine.FirstDailyDay().value_or(*day), *day);
  }
  return merged;
}

}  // namespace lucen
