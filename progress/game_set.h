#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "board/numbered_game.h"
#include "progress/board_index.h"

namespace lucen {

// A set of numbered games, such as the codes already started: for each board, the numbers as
// sorted runs, so that a lifetime of play stays small and a look-up is a binary search.
class GameSet {
 public:
  // The numbers first..last of one board, both included.
  struct Range {
    int first;
    int last;

    friend bool operator==(const Range&, const Range&) = default;
  };

  bool Contains(const GameId& id) const;
  // Adds `id`; false when it was already there. An id out of range is refused with
  // std::invalid_argument.
  bool Add(const GameId& id);
  // Adds the numbers of `range` on one board, in any order and overlapping what is there; false
  // when all were there. Numbers out of range are refused with std::invalid_argument, a board the
  // game does not offer with std::out_of_range.
  bool Add(int size, int colourCount, Range range);
  // Adds sorted runs of one board, each after the last, as another set's Ranges() are: in one
  // pass, where Add() would search for each. Refused as Add() refuses, and runs out of order with
  // std::invalid_argument, before anything changes.
  void AddRuns(int size, int colourCount, const std::vector<Range>& runs);
  // Takes the numbers of `range` out of one board; false when none was there.
  bool Remove(int size, int colourCount, Range range);
  // The parts of `range` that one board does not hold, in order.
  std::vector<Range> Missing(int size, int colourCount, Range range) const;
  // How many numbers one board holds.
  std::int64_t Count(int size, int colourCount) const;
  bool Empty() const;
  // One board's numbers: sorted, with at least one number missing between two runs.
  const std::vector<Range>& Ranges(int size, int colourCount) const;

  friend bool operator==(const GameSet&, const GameSet&) = default;

 private:
  std::array<std::vector<Range>, kBoardCount> boards_;
};

}  // namespace lucen
