#include "progress/game_set.h"

#include <algorithm>
#include <stdexcept>

namespace lucen {

bool GameSet::Contains(const GameId& id) const {
  if (!IsValid(id)) return false;
  const std::vector<Range>& ranges = Ranges(id.size, id.colourCount);
  const auto run = std::partition_point(ranges.begin(), ranges.end(),
                                        [&](const Range& range) { return range.last < id.number; });
  return run != ranges.end() && run->first <= id.number;
}

bool GameSet::Add(const GameId& id) {
  if (!IsValid(id)) throw std::invalid_argument("no such numbered game");
  return Add(id.size, id.colourCount, {id.number, id.number});
}

bool GameSet::Add(int size, int colourCount, Range range) {
  std::vector<Range>& ranges = boards_[BoardIndex(size, colourCount)];
  if (range.first < kMinGameNumber || range.last > kMaxGameNumber || range.first > range.last) {
    throw std::invalid_argument("no such numbered games");
  }
  // The runs that overlap or touch `range` become one with it.
  const auto from = std::partition_point(
      ranges.begin(), ranges.end(), [&](const Range& run) { return run.last + 1 < range.first; });
  auto to = from;
  while (to != ranges.end() && to->first <= range.last + 1) ++to;
  if (from != to && from->first <= range.first && from->last >= range.last) return false;
  if (from != to) {
    range.first = std::min(range.first, from->first);
    range.last = std::max(range.last, std::prev(to)->last);
  }
  ranges.insert(ranges.erase(from, to), range);
  return true;
}

void GameSet::AddRuns(int size, int colourCount, const std::vector<Range>& runs) {
  std::vector<Range>& ranges = boards_[BoardIndex(size, colourCount)];
  int last = kMinGameNumber - 1;
  for (const Range& run : runs) {
    if (run.first <= last || run.first > run.last || run.last > kMaxGameNumber) {
      throw std::invalid_argument("no such numbered games, or not in order");
    }
    last = run.last;
  }
  std::vector<Range> merged;
  merged.reserve(ranges.size() + runs.size());
  auto ours = ranges.begin();
  auto theirs = runs.begin();
  while (ours != ranges.end() || theirs != runs.end()) {
    const bool takeOurs =
        theirs == runs.end() || (ours != ranges.end() && ours->first < theirs->first);
    const Range next = takeOurs ? *ours++ : *theirs++;
    if (!merged.empty() && next.first <= merged.back().last + 1) {
      merged.back().last = std::max(merged.back().last, next.last);
    } else {
      merged.push_back(next);
    }
  }
  ranges = std::move(merged);
}

bool GameSet::Remove(int size, int colourCount, Range range) {
  std::vector<Range>& ranges = boards_[BoardIndex(size, colourCount)];
  const auto from = std::partition_point(ranges.begin(), ranges.end(),
                                         [&](const Range& run) { return run.last < range.first; });
  auto to = from;
  while (to != ranges.end() && to->first <= range.last) ++to;
  if (from == to) return false;
  // What the first and last runs hold beyond `range` stays.
  std::vector<Range> kept;
  if (from->first < range.first) kept.push_back({from->first, range.first - 1});
  if (std::prev(to)->last > range.last) kept.push_back({range.last + 1, std::prev(to)->last});
  ranges.insert(ranges.erase(from, to), kept.begin(), kept.end());
  return true;
}

std::vector<GameSet::Range> GameSet::Missing(int size, int colourCount, Range range) const {
  const std::vector<Range>& ranges = Ranges(size, colourCount);
  std::vector<Range> missing;
  int next = range.first;
  for (auto run = std::partition_point(ranges.begin(), ranges.end(),
                                       [&](const Range& r) { return r.last < range.first; });
       run != ranges.end() && run->first <= range.last; ++run) {
    if (run->first > next) missing.push_back({next, run->first - 1});
    next = run->last + 1;
  }
  if (next <= range.last) missing.push_back({next, range.last});
  return missing;
}

std::int64_t GameSet::Count(int size, int colourCount) const {
  std::int64_t count = 0;
  for (const Range& run : Ranges(size, colourCount)) count += run.last - run.first + 1;
  return count;
}

bool GameSet::Empty() const {
  return std::all_of(boards_.begin(), boards_.end(),
                     [](const std::vector<Range>& ranges) { return ranges.empty(); });
}

const std::vector<GameSet::Range>& GameSet::Ranges(int size, int colourCount) const {
  return boards_[BoardIndex(size, colourCount)];
}

}  // namespace lucen
